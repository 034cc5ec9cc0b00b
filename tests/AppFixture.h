#pragma once

// The whole program on the offscreen platform: a real rates file in a temporary
// folder, settings in that folder, message boxes recorded and answered.

#include "app/MsgBox.h"
#include "app/Universe.h"
#include "app/frmSplash.h"
#include "calculator/frmHUD.h"
#include "data/RatesFile.h"
#include "data/RecordStore.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <array>
#include <deque>
#include <vector>

namespace AppFixture {

inline std::vector<MOD_Data::RateRow> sampleRates()
{
    // Not alphabetical on purpose: the lists sort, the table keeps its order.
    return {
        {QStringLiteral("Britain"), QStringLiteral("Pound"), 1.0},
        {QStringLiteral("Testland"), QStringLiteral("Tester"), 1.5},
        {QStringLiteral("Twoland"), QStringLiteral("Two"), 2.0},
        {QStringLiteral("Threeland"), QStringLiteral("Three"), 3.0},
        {QStringLiteral("britain"), QStringLiteral("Small pound"), 4.0},
        {QStringLiteral("O'Brien's Land"), QStringLiteral("Shilling"), 5.0},
        {QStringLiteral("Zeroland"), QStringLiteral("Nought"), 1e-20},
    };
}

// A window's control by object name; fails the test when there is none.
template <typename T>
T* control(const QWidget& window, const QString& name)
{
    T* w = window.findChild<T*>(name);
    EXPECT_NE(w, nullptr) << name.toStdString();
    return w;
}

// The main window's controls, found by their object names; index 0 is the
// Convert From side, 1 the Convert To side.
struct Hud {
    explicit Hud(const QWidget& w)
        : lstCountries{control<QListWidget>(w, QStringLiteral("lstCountries_0")),
                       control<QListWidget>(w, QStringLiteral("lstCountries_1"))}
        , txtDenomination{control<QLineEdit>(w, QStringLiteral("txtDenomination_0")),
                          control<QLineEdit>(w, QStringLiteral("txtDenomination_1"))}
        , txtExchangeRate{control<QLineEdit>(w, QStringLiteral("txtExchangeRate_0")),
                          control<QLineEdit>(w, QStringLiteral("txtExchangeRate_1"))}
        , txtConvert(control<QLineEdit>(w, QStringLiteral("txtConvert")))
        , txtCom(control<QLineEdit>(w, QStringLiteral("txtCom")))
        , cmdCalculate(control<QPushButton>(w, QStringLiteral("cmdCalculate")))
        , cmdExit(control<QPushButton>(w, QStringLiteral("cmdExit")))
        , lblExRes(control<QLabel>(w, QStringLiteral("lblExRes")))
        , lblComRes(control<QLabel>(w, QStringLiteral("lblComRes")))
        , lblTotalRes(control<QLabel>(w, QStringLiteral("lblTotalRes")))
    {
    }

    QString selected(int i) const
    {
        const auto items = lstCountries[i]->selectedItems();
        return items.isEmpty() ? QString() : items.first()->text();
    }
    QStringList figures() const { return {lblExRes->text(), lblComRes->text(), lblTotalRes->text()}; }

    std::array<QListWidget*, 2> lstCountries;
    std::array<QLineEdit*, 2> txtDenomination;
    std::array<QLineEdit*, 2> txtExchangeRate;
    QLineEdit* txtConvert;
    QLineEdit* txtCom;
    QPushButton* cmdCalculate;
    QPushButton* cmdExit;
    QLabel* lblExRes;
    QLabel* lblComRes;
    QLabel* lblTotalRes;
};

inline Hud ctl(const frmHUD& window)
{
    return Hud(window);
}
inline const Hud& ctl(const Hud& hud)
{
    return hud;
}

// Chooses an entry with the mouse, as a user would.
inline void choose(QListWidget* list, const QString& name)
{
    const auto found = list->findItems(name, Qt::MatchExactly | Qt::MatchCaseSensitive);
    ASSERT_EQ(found.size(), 1) << name.toStdString();
    list->scrollToItem(found.first());
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(found.first()).center());
}

// Replaces a box's text by typing.
inline void typeInto(QLineEdit* box, const QString& text)
{
    box->setFocus();
    box->selectAll();
    QTest::keyClick(box, Qt::Key_Backspace);
    QTest::keyClicks(box, text);
}

class ProgramTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        MOD_Data::setProgramFolder(dir.path());
        QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, dir.filePath(QStringLiteral("config")));
        MOD_Universe::strConvertTo.clear();
        MOD_Universe::strConvertFrom.clear();
        MOD_Universe::dblCom = 0;
        setMsgBoxHandler([this](const MsgBoxRequest& r) {
            messages.push_back(r);
            if (answers.empty())
                return r.buttons == MsgBoxButtons::YesNo ? MsgBoxResult::Yes : MsgBoxResult::OK;
            const MsgBoxResult a = answers.front();
            answers.pop_front();
            return a;
        });
    }

    void TearDown() override
    {
        if (frmHUD::isLoaded())
            delete &frmHUD::instance();
        delete frmSplash::current();
        for (QWidget* w : QApplication::topLevelWidgets())
            delete w;
        MOD_Data::rsRates.Close();
        MOD_Data::cnRates.Close();
        setMsgBoxHandler({});
        QCoreApplication::processEvents();
    }

    QString dbPath() const { return dir.filePath(QStringLiteral("Exchange.db")); }
    void createDatabase(const std::vector<MOD_Data::RateRow>& rows = sampleRates())
    {
        MOD_Data::createRatesFile(dbPath(), rows);
    }
    // The connection dialog up to its error description.
    QString connectionDialogStart() const
    {
        return QStringLiteral("There was a problem connecting to the Exchange rates database.\r\n"
                              "Check if the database is at the following location:\r\n")
            + dbPath()
            + QStringLiteral("\r\nIf the problem persists, please report the following details to "
                             "Fernwick Software:\r\nERROR #: -2147467259\r\nERROR  :");
    }
    QString settingsFile() const { return dir.filePath(QStringLiteral("config/Tallyvane/Tallyvane.ini")); }
    void saveSetting(const QString& key, const QVariant& value)
    {
        QSettings s(QSettings::IniFormat, QSettings::UserScope, QStringLiteral("Tallyvane"), QStringLiteral("Tallyvane"));
        s.setValue(QStringLiteral("Defaults/") + key, value);
    }
    QVariant savedSetting(const QString& key)
    {
        QSettings s(QSettings::IniFormat, QSettings::UserScope, QStringLiteral("Tallyvane"), QStringLiteral("Tallyvane"));
        return s.value(QStringLiteral("Defaults/") + key);
    }

    frmHUD& startProgram()
    {
        EXPECT_TRUE(MOD_Universe::Start());
        return frmHUD::instance();
    }

    QTemporaryDir dir;
    std::vector<MsgBoxRequest> messages;
    std::deque<MsgBoxResult> answers;
};

} // namespace AppFixture
