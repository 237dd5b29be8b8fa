#include "ui/qt/DialogLanguage.h"
#include "qt/QtTestSupport.h"
#include "ui/qt/QtPlatform.h"

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QTimer>

namespace velmora {
namespace {

// The question asked before leaving a table, as the player sees it: Qt's own buttons in Italian.
TEST(DialogLanguageTest, TheYesNoQuestionReadsSiAndNo) {
    test::qtApplication();
    ASSERT_TRUE(DialogLanguage::installItalian()) << "Qt's Italian catalogue is not installed";
    QtPlatform platform;
    QString yes, no;
    bool seen = false;
    // The question is modal: read its buttons from inside its own event loop, then answer No.
    QTimer::singleShot(0, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box) return;
        seen = true;
        yes = box->button(QMessageBox::Yes)->text().remove(QLatin1Char('&'));
        no = box->button(QMessageBox::No)->text().remove(QLatin1Char('&'));
        box->button(QMessageBox::No)->click();
    });
    const bool answer =
        platform.askYesNo("Sei sicuro di voler uscire? Tutti i dati del torneo andranno persi.", "Velmora");
    ASSERT_TRUE(seen) << "no question was shown";
    EXPECT_FALSE(answer);
    EXPECT_EQ(yes.toStdString(), "Sì");
    EXPECT_EQ(no.toStdString(), "No");
}

} // namespace
} // namespace velmora
