#pragma once

#include <QString>
#include <QStringList>

#include <variant>

// kalvemo-judge INPUT... [-o OUTPUT] [--encoding NAME] [--report FILE.html] | --help
struct CommandLine {
    QString input;  // the input judged now: the first, then each of `inputs` in turn
    QString output; // empty: beside the input; "-": standard output
    QString encoding;
    bool help = false;
    QString report = {};     // --report: empty, none
    QStringList inputs = {}; // every input, in the order given
};

// The arguments after the program's name; the usage error if they do not fit.
std::variant<CommandLine, QString> parseCommandLine(const QStringList &arguments);

QString helpText();
