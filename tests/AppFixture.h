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
#include <QSettings>
#include <QTemporaryDir>

#include <gtest/gtest.h>

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
