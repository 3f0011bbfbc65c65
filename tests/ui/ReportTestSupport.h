// Reading a window's report back: its rows across the column groups, its facts, the text of an exported PDF.
#pragma once

#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTableWidget>

#include "platform/HardCopyReport.h"

namespace zeph::test {

// Row `row` of a table split into column groups, put together again: the key columns once, then
// every group's own columns in order.
inline QStringList JoinedRow(const HardCopyReport& report, size_t firstTable, int row, int keyColumns)
{
    QStringList cells;
    for (size_t t = firstTable; t < report.tables.size(); ++t) {
        const QStringList& r = report.tables[t].rows.at(size_t(row));
        cells << (t == firstTable ? r : r.mid(keyColumns));
    }
    return cells;
}

// The cells of a table widget's row as it shows them.
inline QStringList ShownRow(const QTableWidget& table, int row)
{
    QStringList cells;
    for (int c = 0; c < table.columnCount(); ++c) cells << (table.item(row, c) ? table.item(row, c)->text() : QString());
    return cells;
}

inline std::vector<QStringList> ShownRows(const QTableWidget& table)
{
    std::vector<QStringList> rows;
    for (int r = 0; r < table.rowCount(); ++r) rows.push_back(ShownRow(table, r));
    return rows;
}

inline QString Facts(const HardCopyReport& report) { return report.facts.join('\n'); }

// The text pdftotext reads from a PDF; empty with `skip` set when it is not installed.
inline QString PdfText(const QString& pdf, QString& skip)
{
    if (QStandardPaths::findExecutable("pdftotext").isEmpty()) {
        skip = "pdftotext is not installed";
        return {};
    }
    QProcess p;
    p.start("pdftotext", {"-layout", pdf, "-"});
    if (!p.waitForFinished(60000) || p.exitCode() != 0) return {};
    return QString::fromUtf8(p.readAllStandardOutput());
}

inline QByteArray FileBytes(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

}  // namespace zeph::test
