#pragma once
// Language files and settings records made up for the tests.
#include <QByteArray>
#include <QString>
#include <QStringList>

// 171 lines of a valid language file: line n reads "nnn" + its text; line 82 passes the check;
// the texts name their line ("t87" ...), the title lines carry one blank before their text.
QStringList sampleLanguageLines();
// The lines joined with a line break, as Windows-1252 bytes.
QByteArray languageFileBytes(const QStringList& lines, const char* lineBreak = "\r\n");

// The 203 bytes of a settings record.
QByteArray settingsRecord(bool hints, int language, const QByteArray& fileName = {});
// The bytes of a file; empty when it cannot be read.
QByteArray fileBytes(const QString& path);
