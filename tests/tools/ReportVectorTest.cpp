// The report's diagrams and histograms as PDF and SVG: the PNG's drawing, as vectors with real text.
#include <gtest/gtest.h>

#include <QByteArray>
#include <QFile>
#include <QImage>
#include <QPainter>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>

#include "PictureMatch.h"
#include "ReportTestSupport.h"
#include "VectorRendering.h"

namespace zeph::report {
namespace {

using test::Report;
using test::Result;
using zeph::test::Convert;

struct Outputs {
    QImage png, pdf, svg;
    QString pdfText;
};

// One command writing all three files, and the PDF and SVG rendered back at the PNG's 96 dpi.
Outputs WriteAll(const QTemporaryDir& dir, std::vector<std::string> args)
{
    const auto file = [&](const char* name) { return dir.filePath(QString::fromLatin1(name)).toStdString(); };
    args.insert(args.end(), {"--png", file("p.png"), "--pdf", file("v.pdf"), "--svg", file("v.svg")});
    const Result r = Report(args);
    EXPECT_EQ(r.status, ExitOk) << r.err;
    Outputs o;
    o.png = QImage(QString::fromStdString(file("p.png")));
    const QString pdf = QString::fromStdString(file("v.pdf")), svg = QString::fromStdString(file("v.svg"));
    const QString rendered = dir.filePath(QStringLiteral("r"));
    EXPECT_EQ(Convert("pdftoppm", {"-r", "96", "-png", "-singlefile", pdf, rendered}), QString());
    EXPECT_EQ(Convert("rsvg-convert", {svg, "-o", rendered + ".svg.png"}), QString());
    EXPECT_EQ(Convert("pdftotext", {pdf, rendered + ".txt"}), QString());
    o.pdf = QImage(rendered + ".png");
    o.svg = QImage(rendered + ".svg.png");
    QFile text(rendered + ".txt");
    if (text.open(QIODevice::ReadOnly)) o.pdfText = QString::fromUtf8(text.readAll());
    return o;
}

bool HaveViewers()
{
    for (const char* p : {"pdftoppm", "pdftotext", "rsvg-convert"})
        if (QStandardPaths::findExecutable(QString::fromLatin1(p)).isEmpty()) return false;
    return true;
}

void ExpectSameDrawing(const QImage& png, const QImage& vectors, const char* what)
{
    ASSERT_FALSE(vectors.isNull()) << what;
    EXPECT_LE(std::abs(vectors.width() - png.width()), 1) << what;
    EXPECT_LE(std::abs(vectors.height() - png.height()), 1) << what;
    // White under the SVG's transparent corners would not be the diagram's own background.
    QImage flat(vectors.size(), QImage::Format_RGB32);
    flat.fill(Qt::white);
    {
        QPainter p(&flat);
        p.drawImage(0, 0, vectors);
    }
    EXPECT_LT(zeph::test::UnmatchedInk(png, flat, 2), 0.03) << what << ": lines or texts of the PNG are missing";
    EXPECT_LT(zeph::test::UnmatchedInk(flat, png, 2), 0.03) << what << ": lines or texts the PNG does not have";
}

TEST(ReportVectors, EachDiagramRendersAsThePngDraws)
{
    if (!HaveViewers()) GTEST_SKIP() << "poppler-utils and librsvg2-bin are needed";
    QTemporaryDir dir;
    for (const char* kind : {"sine", "oval", "steam", "ports"}) {
        const Outputs o = WriteAll(dir, {"diagram", kind});
        ExpectSameDrawing(o.png, o.pdf, kind);
        ExpectSameDrawing(o.png, o.svg, kind);
        if (std::string(kind) == "sine") {
            EXPECT_TRUE(o.pdfText.contains(QStringLiteral("Front Steam Port Open"))) << "the PDF's text is real text";
            EXPECT_TRUE(o.pdfText.contains(QStringLiteral("Lead")));
        }
    }
}

TEST(ReportVectors, ToleranceHistogramsToo)
{
    if (!HaveViewers()) GTEST_SKIP() << "poppler-utils and librsvg2-bin are needed";
    QTemporaryDir dir;
    const Outputs o = WriteAll(dir, {"tolerance", "--all", "0.002", "--samples", "40", "--gear", "fwd"});
    ExpectSameDrawing(o.png, o.pdf, "tolerance pdf");
    ExpectSameDrawing(o.png, o.svg, "tolerance svg");
}

TEST(ReportVectors, FilesAreAskedForAndWrittenWholeOrNotAtAll)
{
    QTemporaryDir dir;
    const std::string folder = dir.path().toStdString();
    const Result none = Report({"diagram", "sine"});
    EXPECT_EQ(none.status, ExitUsage);
    EXPECT_NE(none.err.find("--pdf"), std::string::npos);
    EXPECT_EQ(Report({"diagram", "sine", "--svg", "a.svg", "--svg", "b.svg"}).status, ExitUsage);
    EXPECT_EQ(Report({"diagram", "sine", "--pdf", ""}).status, ExitUsage);
    EXPECT_EQ(Report({"events", "--pdf", "a.pdf"}).status, ExitUsage);

    // A folder where the PDF should go: refused, and the SVG beside it still written.
    const std::string svg = folder + "/ok.svg";
    const Result r = Report({"diagram", "oval", "--pdf", folder, "--svg", svg});
    EXPECT_EQ(r.status, ExitWriteFailed);
    EXPECT_NE(r.err.find("could not write the picture to"), std::string::npos);
    EXPECT_TRUE(QFile::exists(QString::fromStdString(svg)));
}

}  // namespace
}  // namespace zeph::report
