#include "daylist/examinees_seen.h"

#include "words/message_words.h"

#include <QStringList>

#include <algorithm>

namespace {

// Kept examinees fill a block of this size before the next is begun; a key
// and file longer than it (a hostile file) take a block of their own.
constexpr qsizetype kBlockSize = 64 * 1024;

} // namespace

QByteArrayView ExamineesSeen::keyOf(const Kept &kept) const
{
    return QByteArrayView(m_blocks[kept.block]).sliced(kept.offset, kept.keySize);
}

ExamineesSeen::Kept ExamineesSeen::keep(const QByteArray &key, const QByteArray &file)
{
    const qsizetype size = key.size() + file.size();
    if (m_blocks.empty() || m_blocks.back().size() + size > m_blocks.back().capacity()) {
        m_blocks.emplace_back();
        m_blocks.back().reserve(std::max(kBlockSize, size));
    }
    QByteArray &block = m_blocks.back();
    const Kept kept{quint32(m_blocks.size() - 1), quint32(block.size()), quint32(key.size()), quint32(file.size())};
    block.append(key).append(file);
    return kept;
}

std::optional<QString> ExamineesSeen::earlierFile(const CheckupHeader &header, const QString &file)
{
    const QString card = header.cardNumber.trimmed();
    const QString date = header.examDate.trimmed();
    if (card.isEmpty() || date.isEmpty())
        return std::nullopt;
    // A unit separator cannot stand in any of the cells: the parts never run
    // into each other.
    const QByteArray key =
        QStringList{header.insurer.trimmed(), header.cardSymbol.trimmed(), card, date}.join(u'\x1f').toUtf8();
    const size_t hash = qHash(key);
    if (const auto found = m_byKeyHash.constFind(hash); found != m_byKeyHash.cend()) {
        // Two keys of one hash (a chance of about one in 10^10 a run of
        // 100,000): the second is not kept, and only its own re-sending
        // would go unnamed.
        if (keyOf(*found) == key)
            return QString::fromUtf8(
                QByteArrayView(m_blocks[found->block]).sliced(found->offset + found->keySize, found->fileSize));
        return std::nullopt;
    }
    m_byKeyHash.insert(hash, keep(key, file.toUtf8()));
    return std::nullopt;
}

QString repeatedExamineeText(const CheckupHeader &header, const QString &earlier, const QString &file)
{
    return placedMessage(header.cardNumber.trimmed() + u' ' + header.examDate.trimmed(),
                         visibleText(earlier) + QStringLiteral(" と ") + visibleText(file));
}
