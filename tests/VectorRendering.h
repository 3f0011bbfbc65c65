// PDF and SVG files rendered back to pixels by the standard viewers' converters, to compare with the pictures they copy.
#pragma once

#include <QImage>
#include <QPainter>
#include <QProcess>
#include <QStandardPaths>
#include <QString>
#include <QStringList>

namespace zeph::test {

// Runs a converter; empty when done, else why it was not (not installed, or its error output).
inline QString Convert(const QString& program, const QStringList& args)
{
    if (QStandardPaths::findExecutable(program).isEmpty()) return program + QStringLiteral(" is not installed");
    QProcess p;
    p.start(program, args);
    if (!p.waitForFinished(120000) || p.exitCode() != 0)
        return program + QStringLiteral(" failed: ") + QString::fromLocal8Bit(p.readAllStandardError());
    return {};
}

// The converter that renders a file of this ending (".pdf" or ".svg").
inline QString RendererOf(const QString& file)
{
    return file.endsWith(QStringLiteral(".svg")) ? QStringLiteral("rsvg-convert") : QStringLiteral("pdftoppm");
}

inline bool CanRender(const QString& file)
{
    return !QStandardPaths::findExecutable(RendererOf(file)).isEmpty();
}

// The first page of a PDF at 96 dots per inch, or an SVG at its own size, on white (an SVG's
// uncovered corners are transparent). Null when it could not be rendered; `why` says why.
inline QImage RenderedOnWhite(const QString& file, QString* why = nullptr)
{
    const QString out = file + QStringLiteral(".rendered");
    const bool svg = RendererOf(file) == QStringLiteral("rsvg-convert");
    const QString failure =
        svg ? Convert(QStringLiteral("rsvg-convert"), {file, QStringLiteral("-o"), out + QStringLiteral(".png")})
            : Convert(QStringLiteral("pdftoppm"), {QStringLiteral("-r"), QStringLiteral("96"), QStringLiteral("-png"),
                                                   QStringLiteral("-singlefile"), file, out});
    if (why) *why = failure;
    const QImage rendered(out + QStringLiteral(".png"));
    if (rendered.isNull()) return {};
    QImage flat(rendered.size(), QImage::Format_RGB32);
    flat.fill(Qt::white);
    QPainter painter(&flat);
    painter.drawImage(0, 0, rendered);
    return flat;
}

}  // namespace zeph::test
