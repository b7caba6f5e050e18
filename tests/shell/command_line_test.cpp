#include <gtest/gtest.h>

#include <QTextStream>

#include "shell/command_line.h"

using namespace app;

namespace {

TEST(CommandLine, HelpVersionAndRefusals)
{
    struct Case {
        QStringList arguments;
        ToolkitOptions toolkit;
        std::optional<int> exitCode;
        const char* outStart;  // what standard output starts with
        const char* errStart;  // what standard error starts with
    };
    const QString version = QStringLiteral("trigtutor (Anglebook) %1\n").arg(QLatin1String(programVersion()));
    const QByteArray versionLine = version.toUtf8();
    const Case cases[] = {
        {{"trigtutor"}, ToolkitOptions::NotYetTaken, std::nullopt, "", ""},
        {{"trigtutor"}, ToolkitOptions::Taken, std::nullopt, "", ""},
        {{"trigtutor", "--help"}, ToolkitOptions::NotYetTaken, 0, "Usage: trigtutor [--help | --version]\n", ""},
        {{"trigtutor", "--version"}, ToolkitOptions::NotYetTaken, 0, versionLine.constData(), ""},
        // The first of the command's own words decides.
        {{"trigtutor", "--version", "--bogus"}, ToolkitOptions::NotYetTaken, 0, versionLine.constData(), ""},
        {{"trigtutor", "--verison", "--help"}, ToolkitOptions::NotYetTaken, 2, "",
         "trigtutor: unknown option '--verison'\nTry 'trigtutor --help' for more information.\n"},
        // The toolkit's options are left to it, then anything left over is refused.
        {{"trigtutor", "-platform", "offscreen", "-style", "fusion"}, ToolkitOptions::NotYetTaken, std::nullopt, "", ""},
        {{"trigtutor", "-h"}, ToolkitOptions::NotYetTaken, std::nullopt, "", ""},
        {{"trigtutor", "-h"}, ToolkitOptions::Taken, 2, "", "trigtutor: unknown option '-h'\n"},
        {{"trigtutor", "notes.txt"}, ToolkitOptions::Taken, 2, "", "trigtutor: unexpected argument 'notes.txt'\n"},
        {{"trigtutor", "--"}, ToolkitOptions::NotYetTaken, 2, "", "trigtutor: unknown option '--'\n"},
        {{"trigtutor", "--help=all"}, ToolkitOptions::NotYetTaken, 2, "", "trigtutor: unknown option '--help=all'\n"},
    };
    for (const Case& c : cases) {
        QString out;
        QString err;
        QTextStream outStream(&out);
        QTextStream errStream(&err);
        const auto exitCode = handleCommandLine(c.arguments, c.toolkit, outStream, errStream);
        const QString label = c.arguments.join(QLatin1Char(' '));
        EXPECT_EQ(exitCode, c.exitCode) << label.toStdString();
        const QString outStart = QString::fromUtf8(c.outStart);
        const QString errStart = QString::fromUtf8(c.errStart);
        EXPECT_EQ(out.left(outStart.size()), outStart) << label.toStdString();
        EXPECT_EQ(err.left(errStart.size()), errStart) << label.toStdString();
        EXPECT_EQ(out.isEmpty(), outStart.isEmpty()) << label.toStdString();
        EXPECT_EQ(err.isEmpty(), errStart.isEmpty()) << label.toStdString();
    }
}

TEST(CommandLine, HelpNamesBothOptions)
{
    QString out;
    QString err;
    QTextStream outStream(&out);
    QTextStream errStream(&err);
    ASSERT_EQ(handleCommandLine({"trigtutor", "--help"}, ToolkitOptions::Taken, outStream, errStream), 0);
    EXPECT_TRUE(out.contains(QStringLiteral("\n  --help     show this help and exit\n")));
    EXPECT_TRUE(out.contains(QStringLiteral("\n  --version  show the version and exit\n")));
}

}  // namespace
