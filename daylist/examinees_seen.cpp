#include "daylist/examinees_seen.h"

#include "words/message_words.h"

#include <QStringList>

std::optional<QString> ExamineesSeen::earlierFile(const CheckupHeader &header, const QString &file)
{
    const QString card = header.cardNumber.trimmed();
    const QString date = header.examDate.trimmed();
    if (card.isEmpty() || date.isEmpty())
        return std::nullopt;
    // A unit separator cannot stand in any of the cells: the parts never run
    // into each other.
    QByteArray key =
        QStringList{header.insurer.trimmed(), header.cardSymbol.trimmed(), card, date}.join(u'\x1f').toUtf8();
    if (const auto earlier = m_firstFiles.constFind(key); earlier != m_firstFiles.cend())
        return QString::fromUtf8(*earlier);
    // toUtf8() leaves room for three bytes a character: kept without it.
    QByteArray name = file.toUtf8();
    name.squeeze();
    key.squeeze();
    m_firstFiles.insert(key, name);
    return std::nullopt;
}

QString repeatedExamineeText(const CheckupHeader &header, const QString &earlier, const QString &file)
{
    return placedMessage(header.cardNumber.trimmed() + u' ' + header.examDate.trimmed(),
                         visibleText(earlier) + QStringLiteral(" と ") + visibleText(file));
}
