#include "daylist/command_line.h"

#include "examinee/choice_words.h"
#include "examinee/columns.h"
#include "words/desk_names.h"
#include "words/message_words.h"

#include <QCommandLineOption>
#include <QCommandLineParser>

#include <algorithm>
#include <utility>

namespace {

// The options as QCommandLineParser reads them; the help and the usage
// errors are the program's own words, not the parser's.
const QCommandLineOption kHelp(QStringList{QStringLiteral("h"), QStringLiteral("help")});
const QCommandLineOption kOutput({QStringLiteral("o"), QStringLiteral("output")}, {}, QStringLiteral("output"));
const QCommandLineOption kEncoding(QStringLiteral("encoding"), {}, QStringLiteral("encoding"));
const QCommandLineOption kReport(QStringLiteral("report"), {}, QStringLiteral("report"));

// Why the parser refused the arguments: the first unknown option as it was
// typed, else the option at the end that wanted a value after it.
QString refusal(const QCommandLineParser &parser, const QStringList &arguments)
{
    const QStringList unknown = parser.unknownOptionNames();
    if (unknown.isEmpty())
        return arguments.last() + QStringLiteral(" の後に値がありません");
    // "--name=value", "--name" or "-name" to the parser's name of it.
    const auto nameOf = [](const QString &a) { return a.mid(a.startsWith(u"--") ? 2 : 1).section(u'=', 0, 0); };
    const auto typed = std::find_if(arguments.begin(), arguments.end(), [&](const QString &a) {
        return a.startsWith(u'-') && nameOf(a) == unknown.first();
    });
    return QStringLiteral("知らないオプションです: ") + (typed != arguments.end() ? *typed : unknown.first());
}

} // namespace

std::variant<CommandLine, QString> parseCommandLine(const QStringList &arguments)
{
    QCommandLineParser parser;
    // "-o" is an option of its own, never "-" with "o" packed in it: an
    // argument of one dash and several letters is an unknown option.
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser.addOptions({kHelp, kOutput, kEncoding, kReport});
    if (!parser.parse(QStringList{QString()} + arguments))
        return refusal(parser, arguments);
    CommandLine line;
    line.help = parser.isSet(kHelp);
    const QStringList outputs = parser.values(kOutput);
    if (outputs.size() > 1)
        return QStringLiteral("-o が2回あります");
    if (!outputs.isEmpty() && outputs.first().isEmpty())
        return QStringLiteral("-o の値が空です");
    line.output = outputs.value(0);
    const QStringList encodings = parser.values(kEncoding);
    if (encodings.size() > 1)
        return QStringLiteral("--encoding が2回あります");
    line.encoding = encodings.value(0);
    const QStringList reports = parser.values(kReport);
    if (reports.size() > 1)
        return QStringLiteral("--report が2回あります");
    if (!reports.isEmpty() && (reports.first().isEmpty() || reports.first() == u"-"))
        return QStringLiteral("--report には報告のファイル名を指定してください");
    line.report = reports.value(0);
    if (!line.report.isEmpty() && line.report == line.output)
        return QStringLiteral("--report と -o が同じファイルです");
    line.inputs = parser.positionalArguments();
    line.input = line.inputs.value(0);
    if (!line.help && line.input.isEmpty())
        return QStringLiteral("入力ファイルがありません");
    return line;
}

namespace {

QString joined(const QStringList &words) { return words.join(kReasonSeparator); }

// The headings read as each item, and the words read as each answer, from
// the tables that read them.
QString wordsText()
{
    QString text =
        QStringLiteral("見出し (順番は自由。全角と半角、空白、かっこ ( ) [ ] 【 】 の中の単位 (cm, kg, mmHg,\n"
                       "mg/dL, %, kg/m2, 歳) は問いません。国の標準様式の項目コードも使えます):\n");
    for (std::size_t i = 0; i < kItemCount; ++i) {
        if (const QStringList headings = headingsOf(Item(i)); !headings.isEmpty())
            text += QStringLiteral("  ") + joined(headings) + u'\n';
    }
    text += QStringLiteral("  年齢区分は 年齢区分、年度末年齢、または 生年月日と受診日 のどれかから。\n"
                           "  空腹時血糖か HbA1c のどちらかの列が要ります。\n"
                           "\n"
                           "選択肢の言葉 (全角と半角、大文字と小文字は問いません):\n");
    const auto answer = [](ChoiceKind kind, bool yes, const QString &name) {
        return name + QStringLiteral(": ") + joined(choiceWords(kind, yes));
    };
    text += QStringLiteral("  性別  ") + answer(ChoiceKind::Sex, false, sexName(false)) + QStringLiteral("   ")
            + answer(ChoiceKind::Sex, true, sexName(true)) + u'\n';
    for (const auto &[kind, name] : {std::pair{ChoiceKind::YesNo, QStringLiteral("服薬・喫煙")},
                                     std::pair{ChoiceKind::Smoking, QStringLiteral("喫煙ではさらに")}})
        text += QStringLiteral("  ") + name + QStringLiteral("  ") + answer(kind, true, choiceName(true))
                + QStringLiteral("   ") + answer(kind, false, choiceName(false)) + u'\n';
    text += QStringLiteral("  0 と 〇 (漢数字) は読みません: 空の数式や空欄の数値書式は 0 と表示されます。\n");
    return text;
}

} // namespace

QString helpText()
{
    return QStringLiteral(
               "使い方: kalvemo-judge 入力ファイル... [-o 出力ファイル] [--encoding 文字コード] [--report 報告.html]\n"
               "\n"
               "その日の受診者の一覧 (CSV かタブ区切り、1行に1人) を、Kalvemo の画面と同じ処理で\n"
               "判定し、メタボリックシンドローム、保健指導レベル、それぞれの判定コード、確認、判定した\n"
               "年齢区分、未入力と2つの説明の列を加えたファイルを書きます。元の行はバイト単位でそのまま\n"
               "残り、見出しの上のタイトルや空の行も同じ行に残ります。\n"
               "\n"
               "入力が全国標準の特定健診データ (XML) のときは: アーカイブ (zip)、そのフォルダー、または\n"
               "XML ファイル1つ (中身で見分けます)。特定健診のファイル1つにつき1行の一覧を\n"
               "「名前_判定.csv」(UTF-8、BOM 付き) に書き、ファイルが報告するメタボリックシンドローム\n"
               "判定・保健指導レベルのコード (9N501, 9N506) と判定を照合します (一致 / 不一致 / 判定できず /\n"
               "報告なし)。違うときは、同じ値を現行の制度の読み方でも判定して規則の違いに書きます。\n"
               "\n"
               "入力は複数指定できます。一覧はそれぞれ1つずつ指定したのと同じく判定し (-o は使えません)、\n"
               "全国標準のファイルはすべて1つの一覧 (最初の入力の横) にします。要約は1つ、終了コードは\n"
               "いちばん悪いものです。一覧と全国標準のファイルは一緒に指定できません。\n"
               "\n"
               "  -o 出力ファイル    結果の書き先。既にあるファイルは上書きしません (終了コード 2)。\n"
               "                     省略すると入力の横に「名前_判定.拡張子」、あれば (2)、(3)… を付けます。\n"
               "                     -o - は標準出力に書きます (一時ファイルを使わず、途中で止まると\n"
               "                     書きかけが残ります)。\n"
               "  --encoding 名前    入力の文字コード: utf-8, utf-8-bom, utf-16le, utf-16be, cp932。\n"
               "                     省略するとファイル全体から判断します (BOM、UTF-8、それ以外は CP932)。\n"
               "                     XML には使えません (XML は UTF-8 か UTF-16 で、自分の宣言で読みます)。\n"
               "  --report 報告.html 男女・年齢階級別の集計、健診機関ごとの照合、確認する行を1つの HTML\n"
               "                     ファイルに書きます (A4 で印刷できます)。既にあるファイルは上書きしません。\n"
               "  -h, --help         この説明。\n"
               "\n"
               "終了コード: 0 すべての行を判定, 1 判定できなかった行がある, 2 ファイルを判定できない\n"
               "(読めない、見出しが足りない、引用符が閉じていない、書けないなど。結果のファイルは残りません)。\n"
               "XML では 0 すべての特定健診のファイルを判定しコードがすべて一致, 1 判定できなかったファイルか\n"
               "報告と違うコードか照合が判定できずのコードがある, 2 入力を読めない (特定健診のファイルがない\n"
               "ときも)。\n"
               "\n")
           + wordsText()
           + QStringLiteral(
               "\n"
               "Usage: kalvemo-judge INPUT... [-o OUTPUT] [--encoding NAME] [--report FILE.html]\n"
               "Judges a day's list (CSV or tab-separated, one examinee a row) with the window's own handlers.\n"
               "INPUT may also be a national checkup archive (zip), its folder or one checkup XML file: one row\n"
               "per checkup file goes to NAME_判定.csv (UTF-8 with BOM), its reported codes compared.\n"
               "Several day's lists are each judged into a result beside it; several national inputs make one\n"
               "list beside the first. One summary, the worst status; lists and national files never mix.\n"
               "-o - writes to standard output, which is not atomic: an interrupted run leaves part of it.\n"
               "--report FILE.html also writes the totals by sex and age, per institution, and the rows to look at.\n"
               "Exit status: 0 all rows judged, 1 some rows not judged, 2 the file could not be judged;\n"
               "for XML, 1 also when a reported code differs or is 判定できず (not comparable).\n"
               "The headings and the words of a choice it reads are listed above.\n");
}
