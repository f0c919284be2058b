#include "mainwindow/MainWindowDriver.h"

#include "InterfaceLanguage.h"

#include <QFile>
#include <QLibraryInfo>
#include <QLocale>
#include <QMessageBox>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QTabWidget>
#include <QXmlStreamReader>

#include <gtest/gtest.h>

namespace {

using stakewell::app::InterfaceLanguage;

TEST(InterfaceLanguage, ASpanishSystemShowsTheWindowsInSpanish) {
    const InterfaceLanguage spanish(QLocale(QLocale::Spanish, QLocale::Spain));
    ASSERT_TRUE(spanish.Translated());
    MainWindowDriver driver;
    const auto* tabs = qobject_cast<QTabWidget*>(driver.Control(QStringLiteral("TabStrip1")));
    ASSERT_NE(tabs, nullptr);
    EXPECT_EQ(tabs->tabText(5), QStringLiteral("CdP"));
    EXPECT_EQ(driver.Text(QStringLiteral("cmdFOPAdd")), QStringLiteral("&Añadir punto"));
    EXPECT_EQ(driver.Text(QStringLiteral("lbPoint")), QStringLiteral("Punto 0 de 0"));
    driver.Type(QStringLiteral("tbxElectLen"), QStringLiteral("abc"));
    EXPECT_EQ(driver.Field(QStringLiteral("tbxElectLen"))->toolTip(),
              QStringLiteral("No es un número: se lee como 0.\n"
                             "La longitud del electrodo debe ser mayor que 0."));
}

TEST(InterfaceLanguage, ASpanishSystemGetsQtsOwnButtonsInSpanishWhereInstalled) {
    if (!QFile::exists(QLibraryInfo::path(QLibraryInfo::TranslationsPath) +
                       QStringLiteral("/qtbase_es.qm"))) {
        GTEST_SKIP() << "Qt's own Spanish translation is not installed";
    }
    const InterfaceLanguage spanish(QLocale(QLocale::Spanish, QLocale::Spain));
    QMessageBox box(QMessageBox::Question, QStringLiteral("Stakewell"), QString(),
                    QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel);
    EXPECT_EQ(box.button(QMessageBox::Cancel)->text(), QStringLiteral("Cancelar"));
}

TEST(InterfaceLanguage, AnEnglishSystemKeepsTheTextsAsWritten) {
    const InterfaceLanguage english(QLocale(QLocale::English, QLocale::UnitedKingdom));
    EXPECT_FALSE(english.Translated());
    MainWindowDriver driver;
    EXPECT_EQ(driver.Text(QStringLiteral("cmdFOPAdd")), QStringLiteral("&Add Point"));
}

TEST(InterfaceLanguage, TheCommandLineStaysEnglishOnASpanishSystem) {
    QProcess program;
    QProcessEnvironment spanish = QProcessEnvironment::systemEnvironment();
    spanish.insert(QStringLiteral("LANGUAGE"), QStringLiteral("es"));
    spanish.insert(QStringLiteral("LANG"), QStringLiteral("es_ES.UTF-8"));
    program.setProcessEnvironment(spanish);
    program.start(QStringLiteral(STAKEWELL_PROGRAM), {QStringLiteral("--help")});
    ASSERT_TRUE(program.waitForFinished(30000));
    const QByteArray help = program.readAllStandardOutput();
    EXPECT_TRUE(help.contains("Displays help on commandline options."));
    EXPECT_TRUE(help.contains("Print the text report of a data file"));
}

// What a translation must keep of its source: every placeholder, and an
// access key wherever the source has one.
QString KeptMarks(const QString& text) {
    static const QRegularExpression marks(QStringLiteral("%\\d|&&|&"));
    QStringList found;
    for (const QRegularExpressionMatch& match : marks.globalMatch(text)) {
        found.append(match.captured());
    }
    found.sort();
    return found.join(u' ');
}

TEST(InterfaceLanguage, EverySpanishTextIsFinishedAndKeepsItsPlaceholdersAndAccessKey) {
    QFile file(QStringLiteral(STAKEWELL_TRANSLATIONS "/stakewell_es.ts"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    QXmlStreamReader ts(&file);
    QString source;
    int translations = 0;
    while (!ts.atEnd()) {
        if (ts.readNext() != QXmlStreamReader::StartElement) {
            continue;
        }
        if (ts.name() == QLatin1String("source")) {
            source = ts.readElementText();
        } else if (ts.name() == QLatin1String("translation")) {
            ++translations;
            EXPECT_TRUE(ts.attributes().value(QLatin1String("type")).isEmpty())
                << source.toStdString();
            const QString translation = ts.readElementText();
            EXPECT_FALSE(translation.trimmed().isEmpty()) << source.toStdString();
            EXPECT_EQ(KeptMarks(translation), KeptMarks(source)) << source.toStdString();
        }
    }
    EXPECT_FALSE(ts.hasError()) << ts.errorString().toStdString();
    EXPECT_GT(translations, 200);
}

} // namespace
