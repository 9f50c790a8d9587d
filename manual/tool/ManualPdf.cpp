// zm47-manual-pdf: renders a Markdown manual to a PDF at build time.
//   zm47-manual-pdf INPUT.md OUTPUT.pdf [FONT-FILE]
// Run it on the offscreen platform. The font file, when given, becomes the
// text's font (the Japanese manual needs one with Japanese glyphs); without
// it the platform's default font is used.
#include <QFile>
#include <QFont>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>
#include <QRegularExpression>
#include <QTextDocument>

#include <cstdio>

namespace {

int Fail(const QString& problem) {
    std::fprintf(stderr, "zm47-manual-pdf: %s\n", qPrintable(problem));
    return 1;
}

// The first level-one heading, for the PDF's title.
QString TitleOf(const QString& markdown) {
    const QRegularExpressionMatch match =
        QRegularExpression(QStringLiteral("^# (.+)$"), QRegularExpression::MultilineOption).match(markdown);
    return match.hasMatch() ? match.captured(1).trimmed() : QString();
}

} // namespace

int main(int argc, char* argv[]) {
    QGuiApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() != 3 && args.size() != 4)
        return Fail(QStringLiteral("usage: zm47-manual-pdf INPUT.md OUTPUT.pdf [FONT-FILE]"));

    QFile input(args[1]);
    if (!input.open(QIODevice::ReadOnly))
        return Fail(QStringLiteral("cannot read %1").arg(args[1]));
    const QString markdown = QString::fromUtf8(input.readAll());

    QFont font = QFontDatabase::systemFont(QFontDatabase::GeneralFont);
    if (args.size() == 4) {
        const int id = QFontDatabase::addApplicationFont(args[3]);
        const QStringList families = QFontDatabase::applicationFontFamilies(id);
        if (families.isEmpty())
            return Fail(QStringLiteral("cannot load the font %1").arg(args[3]));
        font = QFont(families.first());
    }
    font.setPointSizeF(10.5);

    QTextDocument document;
    document.setDefaultFont(font);
    document.setMarkdown(markdown);

    QPdfWriter writer(args[2]);
    writer.setTitle(TitleOf(markdown));
    writer.setCreator(QStringLiteral("ZM-47 Librarian"));
    writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(20, 20, 20, 20),
                                     QPageLayout::Millimeter));
    document.print(&writer);
    // QPdfWriter reports nothing; a file that was not written is the failure.
    if (!QFile::exists(args[2]) || QFile(args[2]).size() == 0)
        return Fail(QStringLiteral("cannot write %1").arg(args[2]));
    return 0;
}
