#include "triangles/triangle_command.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTextStream>
#include <algorithm>
#include <cmath>

#include "triangles/triangle_texts.h"

namespace triangles {

namespace {

void printHelp(QTextStream& out)
{
    out << "Usage: trigtutor triangle [--json] [--steps] PART=VALUE...\n"
        << "Solves a triangle from three (or more, agreeing) of its parts: the sides a, b, c and\n"
        << "the angles A, B, C (A faces a), angles in degrees (30, 30.25 or 30°15').\n"
        << "Each VALUE is an expression such as sqrt(3) or 2*sin(30).\n"
        << "\n"
        << "  --json   print the case, the triangles and the message as JSON\n"
        << "  --steps  print the worked steps too\n"
        << "  --help   show this help and exit\n"
        << "\n"
        << "Exit status: 0 solved or no triangle, 1 impossible data or a value not understood,\n"
        << "2 usage error.\n";
}

int usage(const QString& message, QTextStream& err)
{
    err << "trigtutor triangle: " << message << "\n"
        << "Try 'trigtutor triangle --help' for more information.\n";
    return 2;
}

// A number of the JSON: every digit it needs to read back the same, null when not finite.
QJsonValue jsonNumber(double v)
{
    return std::isfinite(v) ? QJsonValue(v) : QJsonValue(QJsonValue::Null);
}

const char* caseKey(Case kind)
{
    switch (kind) {
    case Case::SSS: return "SSS";
    case Case::SAS: return "SAS";
    case Case::ASA: return "ASA";
    case Case::AAS: return "AAS";
    case Case::SSA: return "SSA";
    case Case::None: break;
    }
    return nullptr;
}

}  // namespace

int runTriangleCommand(const QStringList& arguments, QTextStream& out, QTextStream& err)
{
    bool json = false, steps = false;
    Parts given = noParts();
    QString message;  // a value not understood
    for (const QString& argument : arguments) {
        if (argument == "--help") {
            printHelp(out);
            return 0;
        }
        if (argument == "--json") {
            json = true;
            continue;
        }
        if (argument == "--steps") {
            steps = true;
            continue;
        }
        if (argument.startsWith('-') && !argument.contains('='))
            return usage(QStringLiteral("unknown option '%1'").arg(argument), err);
        const qsizetype equals = argument.indexOf('=');
        const QString name = argument.left(equals).trimmed();
        const auto part = std::find(PartNames.begin(), PartNames.end(), name.toStdString());
        if (equals < 0 || name.size() != 1 || part == PartNames.end())
            return usage(QStringLiteral("'%1' is not PART=VALUE with PART one of a, b, c, A, B, C").arg(argument), err);
        const int index = int(part - PartNames.begin());
        if (triangles::given(given[index]))
            return usage(QStringLiteral("%1 is given twice").arg(name), err);
        const Reading reading = readPart(argument.mid(equals + 1));
        if (!reading.ok || !triangles::given(reading.value)) {
            if (message.isEmpty())
                message = partNoun(index) + ": " + (reading.ok ? QStringLiteral("no value") : reading.message);
            given[index] = 0;  // held so that a repeat is still caught
            continue;
        }
        given[index] = reading.value;
    }
    const Solution solution = message.isEmpty() ? solveTriangle(given) : Solution{};
    if (message.isEmpty() && solution.count == 0) message = problemSentence(solution);
    const int code = (!message.isEmpty() && (solution.kind == Case::None || solution.impossible())) ? 1 : 0;
    const QStringList stepTexts = steps ? stepLines(triangleSteps(solution)) : QStringList{};
    if (json) {
        QJsonArray triangleObjects;
        for (int k = 0; k < solution.count; ++k) {
            const Triangle& t = solution.triangles[k];
            QJsonObject fields;
            for (int i = 0; i < PartCount; ++i)
                fields.insert(QString::fromUtf8(PartNames[i].data(), 1), jsonNumber(t.parts[i]));
            fields.insert("area", jsonNumber(t.area));
            fields.insert("perimeter", jsonNumber(t.perimeter));
            fields.insert("circumradius", jsonNumber(t.circumradius));
            fields.insert("inradius", jsonNumber(t.inradius));
            triangleObjects.append(fields);
        }
        const char* key = caseKey(solution.kind);
        QJsonObject document{{"case", key ? QJsonValue(QString::fromLatin1(key)) : QJsonValue(QJsonValue::Null)},
                             {"triangles", triangleObjects},
                             {"message", message.isEmpty() ? QJsonValue(QJsonValue::Null) : QJsonValue(message)}};
        if (steps) document.insert("steps", QJsonArray::fromStringList(stepTexts));
        out << QString::fromUtf8(QJsonDocument(document).toJson(QJsonDocument::Indented));
    } else if (code == 1) {
        err << "trigtutor triangle: " << message << "\n";
    } else {
        for (const QString& line : resultLines(solution))
            out << line << "\n";
        if (steps && !stepTexts.isEmpty()) {
            out << labelText(Label::Steps) << ":\n";
            for (const QString& line : stepTexts)
                out << "  " << line << "\n";
        }
    }
    if (code == 1 && json) err << "trigtutor triangle: " << message << "\n";
    out.flush();
    err.flush();
    return code;
}

}  // namespace triangles
