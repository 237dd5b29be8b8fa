// velmora-mkpics SEED_DIR OUTDIR: draws every picture the game loads into OUTDIR/immagini/, and with
// --icons DIR the desktop icon into DIR/hicolor/<size>x<size>/apps/velmora.png.

#include "ArrowPainter.h"
#include "FlagRenderer.h"
#include "FrenchCardPainter.h"
#include "GameBadgePainter.h"
#include "GifWriter.h"
#include "IconPainter.h"
#include "TablePainter.h"
#include "TitlePainter.h"
#include "UnoCardPainter.h"

#include <QCommandLineParser>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QRegularExpression>
#include <QTextStream>

#include <cstdio>

namespace {
constexpr int kJpegQuality = 90;
const char* const kFlagSvgDir = "/usr/share/iso-flags-svg/country-4x3";

class Output {
  public:
    explicit Output(const QString& root) : m_root(root) {}

    bool makeDir(const QString& sub) {
        if (QDir().mkpath(m_root + '/' + sub)) return true;
        return failed(sub, QStringLiteral("cannot create the folder"));
    }

    bool jpeg(const QImage& image, const QString& name) {
        if (image.isNull()) return failed(name, QStringLiteral("nothing was drawn"));
        if (!image.save(m_root + '/' + name, "JPG", kJpegQuality))
            return failed(name, QStringLiteral("cannot write"));
        ++m_written;
        return true;
    }

    bool png(const QImage& image, const QString& name) {
        if (image.isNull()) return failed(name, QStringLiteral("nothing was drawn"));
        if (!image.save(m_root + '/' + name, "PNG")) return failed(name, QStringLiteral("cannot write"));
        ++m_written;
        return true;
    }

    bool gif(const QImage& image, const QString& name) {
        QString error;
        if (!GifWriter::write(image, m_root + '/' + name, TablePainter::feltColour(), &error))
            return failed(name, error);
        ++m_written;
        return true;
    }

    int written() const { return m_written; }
    int failures() const { return m_failures; }

  private:
    bool failed(const QString& name, const QString& why) {
        QTextStream(stderr) << "velmora-mkpics: " << m_root << '/' << name << ": " << why << '\n';
        ++m_failures;
        return false;
    }

    QString m_root;
    int m_written = 0;
    int m_failures = 0;
};

// A key becomes a file name, so only plain names are accepted.
bool isSafeKey(const QString& key) {
    static const QRegularExpression plain(QStringLiteral("^[A-Za-z0-9][A-Za-z0-9_-]*$"));
    return plain.match(key).hasMatch();
}
} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    QGuiApplication::setApplicationName(QStringLiteral("velmora-mkpics"));

    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Draws the game's pictures into OUTDIR/immagini/."));
    parser.addHelpOption();
    parser.addPositionalArgument(QStringLiteral("SEED_DIR"),
                                 QStringLiteral("Folder holding nazionalita.tsv."));
    parser.addPositionalArgument(QStringLiteral("OUTDIR"), QStringLiteral("Folder that receives immagini/."));
    const QCommandLineOption flagsOption(QStringLiteral("flags"),
                                         QStringLiteral("Extra nation keys, comma separated."),
                                         QStringLiteral("keys"));
    const QCommandLineOption flagsFromOption(
        QStringLiteral("flags-from"),
        QStringLiteral("Also draw a flag for every key in the first column of FILE."),
        QStringLiteral("FILE"));
    const QCommandLineOption svgDirOption(QStringLiteral("flag-svg-dir"),
                                          QStringLiteral("Folder of the SVG flags."), QStringLiteral("dir"),
                                          QString::fromLatin1(kFlagSvgDir));
    parser.addOption(flagsOption);
    parser.addOption(flagsFromOption);
    const QCommandLineOption iconsOption(QStringLiteral("icons"),
                                         QStringLiteral("Also draw the desktop icon into DIR/hicolor/."),
                                         QStringLiteral("DIR"));
    parser.addOption(svgDirOption);
    parser.addOption(iconsOption);
    parser.process(app);
    const QStringList positional = parser.positionalArguments();
    if (positional.size() != 2) {
        QTextStream(stderr)
            << "usage: velmora-mkpics [--flags k1,k2] [--flags-from FILE] [--icons DIR] SEED_DIR OUTDIR\n";
        return 2;
    }

    // Nation keys: the seed table when it is there, plus whatever was asked for on the command line.
    QStringList tables = parser.values(flagsFromOption);
    const QString seedTable = positional[0] + QStringLiteral("/nazionalita.tsv");
    if (QFileInfo::exists(seedTable)) tables.prepend(seedTable);
    QStringList keys;
    for (const QString& table : tables) {
        QString error;
        const QStringList found = FlagRenderer::keysFromTable(table, &error);
        if (!error.isEmpty()) {
            QTextStream(stderr) << "velmora-mkpics: " << table << ": " << error << '\n';
            return 1;
        }
        keys << found;
    }
    for (const QString& value : parser.values(flagsOption))
        keys << value.split(',', Qt::SkipEmptyParts);
    for (QString& key : keys)
        key = key.trimmed();
    keys.removeDuplicates();
    for (const QString& key : keys) {
        if (!isSafeKey(key)) {
            QTextStream(stderr) << "velmora-mkpics: nation key \"" << key << "\" cannot be a file name\n";
            return 1;
        }
    }

    Output out(positional[1] + QStringLiteral("/immagini"));
    for (const char* sub : {"", "uno", "unosimboli", "52", "flags", "giochi"})
        if (!out.makeDir(QString::fromLatin1(sub))) return 1;

    const QColor felt = TablePainter::feltColour();
    const UnoCardPainter uno;
    QStringList unoCodes = UnoCardPainter::faceCodes();
    unoCodes << QStringLiteral("dietro");
    for (const QString& code : unoCodes)
        out.jpeg(uno.render(code, felt), QStringLiteral("uno/%1.jpg").arg(code));
    // The same faces with each colour's symbol, for "Colori e simboli".
    const UnoCardPainter unoSymbols(true);
    for (const QString& code : unoCodes)
        out.jpeg(unoSymbols.render(code, felt), QStringLiteral("unosimboli/%1.jpg").arg(code));

    const FrenchCardPainter french;
    QStringList frenchCodes = FrenchCardPainter::faceCodes();
    frenchCodes << QStringLiteral("dietro");
    for (const QString& code : frenchCodes)
        out.jpeg(french.render(code, felt), QStringLiteral("52/%1.jpg").arg(code));

    const FlagRenderer flags(parser.value(svgDirOption));
    for (const QString& key : keys) {
        bool found = false;
        out.jpeg(flags.render(key, &found), QStringLiteral("flags/%1.jpg").arg(key));
        if (!found)
            QTextStream(stderr) << "velmora-mkpics: warning: no flag drawing for \"" << key
                                << "\", a plain grey flag was drawn instead\n";
    }
    if (keys.isEmpty()) QTextStream(stderr) << "velmora-mkpics: warning: no nation keys, no flags drawn\n";

    for (const QString& game : GameBadgePainter::games())
        out.gif(GameBadgePainter::paint(game), QStringLiteral("giochi/%1.gif").arg(game));

    out.gif(ArrowPainter::left(), QStringLiteral("sx.gif"));
    out.gif(ArrowPainter::right(), QStringLiteral("dx.gif"));
    out.gif(TitlePainter::paint(), QStringLiteral("cards.gif"));
    out.jpeg(TablePainter::felt(1920, 1080), QStringLiteral("sfondo.jpg"));

    int failures = out.failures();
    int written = out.written();
    if (parser.isSet(iconsOption)) {
        Output icons(parser.value(iconsOption) + QStringLiteral("/hicolor"));
        for (int size : IconPainter::sizes()) {
            const QString folder = QStringLiteral("%1x%1/apps").arg(size);
            if (icons.makeDir(folder))
                icons.png(IconPainter::paint(size), folder + QStringLiteral("/velmora.png"));
        }
        failures += icons.failures();
        written += icons.written();
    }

    if (failures > 0) return 1;
    QTextStream(stdout) << "velmora-mkpics: " << written << " pictures\n";
    return 0;
}
