#pragma once

#include <QString>
#include <QStringList>

#include <variant>

// kalvemo-judge INPUT [-o OUTPUT] [--encoding NAME] [--report FILE.html] | --help
struct CommandLine {
    QString input;
    QString output; // empty: beside the input; "-": standard output
    QString encoding;
    bool help = false;
    QString report = {}; // --report: empty, none
};

// The arguments after the program's name; the usage error if they do not fit.
std::variant<CommandLine, QString> parseCommandLine(const QStringList &arguments);

QString helpText();
