// The import preview as a user meets it: every change it would make, ticked
// or not, and what Import and Cancel return; its size and place on the screen,
// the size it reopens at, the keyboard, what a screen reader is told, Untick all.
#include "maintenance/frmImportRates.h"
#include "tests/TestSupport.h"

#include <QAccessible>
#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QSettings>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <memory>

using namespace Qt::StringLiterals;
using namespace data;
using namespace ratefiles;
using TestSupport::str;

namespace {

std::string geometry(const QRect& r)
{
    return QString::asprintf("%dx%d at %d,%d", r.width(), r.height(), r.x(), r.y()).toStdString();
}

class PreviewTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, dir.path());
    }

    static RateFile file()
    {
        RateFile f;
        f.path = u"/home/user/Downloads/exrates-monthly-0120.csv"_s;
        f.format = RateFileFormat::UkMonthlyCsv;
        f.from = QDate(2020, 1, 1);
        f.to = QDate(2020, 1, 31);
        return f;
    }
    // France and Holland ticked, Ecuador (new) not, then extra new countries;
    // skipped rows left out.
    static ImportPlan plan(int extra = 0, int skipped = 0)
    {
        const QDate day(2020, 1, 1);
        ImportPlan p;
        p.changes.push_back({u"France"_s, u"Euro"_s, 1.17, QDate(2019, 12, 1), 1.18, day, MatchKind::Name,
                             u"France"_s, u"EUR"_s, true});
        p.changes.push_back({u"Holland"_s, u"Euro"_s, 1.0, {}, 1.3, day, MatchKind::Currency, u"Netherlands"_s,
                             u"EUR"_s, true});
        p.changes.push_back({u"Ecuador"_s, u"US Dollar"_s, 0.0, {}, 1.31, day, MatchKind::New, u"Ecuador"_s,
                             u"USD"_s, false});
        for (int i = 0; i < extra; ++i) {
            const QString name = u"Land %1"_s.arg(i);
            p.changes.push_back({name, u"Unit"_s, 0.0, {}, 2.0, day, MatchKind::New, name, u"XTS"_s, false});
        }
        for (int i = 0; i < skipped; ++i)
            p.skipped << u"Line %1: no rate"_s.arg(7 + i);
        return p;
    }
    static std::vector<std::string> names(const std::vector<RateChange>& changes)
    {
        std::vector<std::string> out;
        for (const RateChange& c : changes)
            out.push_back(str(c.country));
        return out;
    }
    // Toggles a row's tick as the user does: the row current, then Space.
    static void toggle(frmImportRates& dialog, int row)
    {
        dialog.tblChanges->setFocus();
        dialog.tblChanges->setCurrentCell(row, frmImportRates::ColCountry);
        QTest::keyClick(dialog.tblChanges, Qt::Key_Space);
    }

    // Shown and active, with one row left out unless told otherwise.
    frmImportRates& open(int extra = 0, int skipped = 1)
    {
        dialog = std::make_unique<frmImportRates>(file(), plan(extra, skipped));
        dialog->show();
        EXPECT_TRUE(QTest::qWaitForWindowActive(dialog.get()));
        return *dialog;
    }
    void close()
    {
        dialog->reject();
        dialog.reset();
    }
    QWidget* child(const char* name) const { return dialog->findChild<QWidget*>(QString::fromLatin1(name)); }
    std::vector<bool> ticks() const
    {
        std::vector<bool> out;
        for (const RateChange& c : dialog->changes())
            out.push_back(c.ticked);
        return out;
    }
    std::string count() const { return str(qobject_cast<QLabel*>(child("lblCount"))->text()); }

    QTemporaryDir dir;
    std::unique_ptr<frmImportRates> dialog;
};

TEST_F(PreviewTest, showsEveryChangeWithUpdatesTickedAndNewCountriesNot)
{
    frmImportRates dialog(file(), plan());
    dialog.show();
    EXPECT_EQ(dialog.windowTitle(), u"Rates to Import"_s);
    EXPECT_EQ(dialog.cmdImport->text(), u"&Import"_s);
    EXPECT_EQ(dialog.cmdCancel->text(), u"Cancel"_s);
    EXPECT_EQ(dialog.cmdTickAll->accessibleName(), u"Tick all"_s);
    EXPECT_FALSE(dialog.tblChanges->accessibleName().isEmpty());
    ASSERT_EQ(dialog.tblChanges->rowCount(), 3);
    EXPECT_EQ(names(dialog.tickedChanges()), (std::vector<std::string>{"France", "Holland"}));

    const auto text = [&](int row, int col) { return str(dialog.tblChanges->item(row, col)->text()); };
    EXPECT_EQ(text(0, frmImportRates::ColCurrent), "1.17");
    EXPECT_EQ(text(0, frmImportRates::ColCurrentDate), "1 December 2019");
    EXPECT_EQ(text(0, frmImportRates::ColNew), "1.18");
    EXPECT_EQ(text(0, frmImportRates::ColNewDate), "1 January 2020");
    EXPECT_EQ(text(1, frmImportRates::ColChange), "+30.00 %");
    EXPECT_EQ(text(1, frmImportRates::ColMatch), "Currency EUR (Netherlands)");
    EXPECT_EQ(text(2, frmImportRates::ColChange), "new");
    EXPECT_EQ(text(2, frmImportRates::ColCurrent), "");

    // The big change carries a sign and weight besides any colour; small ones do not.
    const QTableWidgetItem* big = dialog.tblChanges->item(1, frmImportRates::ColChange);
    const QTableWidgetItem* small = dialog.tblChanges->item(0, frmImportRates::ColChange);
    EXPECT_FALSE(big->icon().isNull());
    EXPECT_TRUE(big->font().bold());
    EXPECT_TRUE(big->data(Qt::AccessibleTextRole).toString().contains(u"25 %"_s));
    EXPECT_TRUE(small->icon().isNull());
    EXPECT_FALSE(small->font().bold());

    const auto* period = dialog.findChild<QLabel*>(u"lblPeriod"_s);
    ASSERT_TRUE(period);
    EXPECT_EQ(period->text(), u"Rates of 1 January 2020 to 31 January 2020"_s);
    EXPECT_TRUE(dialog.findChild<QLabel*>(u"lblFile"_s)->text().contains(u"exrates-monthly-0120.csv"_s));
}

TEST_F(PreviewTest, ticksFollowTheUserAndTickAllTicksEveryRow)
{
    frmImportRates dialog(file(), plan());
    dialog.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));

    toggle(dialog, 0);  // untick France
    toggle(dialog, 2);  // tick Ecuador
    EXPECT_EQ(names(dialog.tickedChanges()), (std::vector<std::string>{"Holland", "Ecuador"}));
    toggle(dialog, 1);
    toggle(dialog, 2);
    EXPECT_TRUE(dialog.tickedChanges().empty());
    EXPECT_FALSE(dialog.cmdImport->isEnabled());

    QTest::mouseClick(dialog.cmdTickAll, Qt::LeftButton);
    EXPECT_EQ(names(dialog.tickedChanges()), (std::vector<std::string>{"France", "Holland", "Ecuador"}));
    EXPECT_TRUE(dialog.cmdImport->isEnabled());
    EXPECT_EQ(dialog.findChild<QLabel*>(u"lblCount"_s)->text(), u"3 of 3 ticked"_s);
    // The ticks keep the rest of each change as planned.
    const std::vector<RateChange> all = dialog.changes();
    EXPECT_EQ(all[2].newRate, 1.31);
    EXPECT_TRUE(all[2].isNew());
}

TEST_F(PreviewTest, importReturnsTheTickedChangesAndCancelNothing)
{
    QTimer::singleShot(0, [] {
        auto* dialog = qobject_cast<frmImportRates*>(QApplication::activeModalWidget());
        ASSERT_TRUE(dialog);
        toggle(*dialog, 2);
        QTest::mouseClick(dialog->cmdImport, Qt::LeftButton);
    });
    const auto ticked = maintenance::showImportRates(nullptr, file(), plan());
    ASSERT_TRUE(ticked.has_value());
    EXPECT_EQ(names(*ticked), (std::vector<std::string>{"France", "Holland", "Ecuador"}));

    QTimer::singleShot(0, [] {
        auto* dialog = qobject_cast<frmImportRates*>(QApplication::activeModalWidget());
        ASSERT_TRUE(dialog);
        QTest::mouseClick(dialog->cmdCancel, Qt::LeftButton);
    });
    EXPECT_FALSE(maintenance::showImportRates(nullptr, file(), plan()).has_value());
}

struct LabelText {
    const char* label;
    const char* text;
};

class PreviewLabelTest : public PreviewTest, public ::testing::WithParamInterface<LabelText> {};

TEST_P(PreviewLabelTest, showsItsTextAndAScreenReaderHearsIt)
{
    open();
    QTest::mouseClick(qobject_cast<QPushButton*>(child("cmdTickAll")), Qt::LeftButton);  // a count of its own
    auto* label = qobject_cast<QLabel*>(child(GetParam().label));
    ASSERT_TRUE(label);
    EXPECT_EQ(str(label->text()), GetParam().text);
    QAccessibleInterface* heard = QAccessible::queryAccessibleInterface(label);
    ASSERT_TRUE(heard);
    const QString said = heard->text(QAccessible::Name) + u'\n' + heard->text(QAccessible::Description);
    EXPECT_TRUE(said.contains(label->text())) << str(said);
}

INSTANTIATE_TEST_SUITE_P(
    Labels, PreviewLabelTest,
    ::testing::Values(LabelText{"lblFile", "File: exrates-monthly-0120.csv, UK monthly rates (CSV)"},
                      LabelText{"lblPeriod", "Rates of 1 January 2020 to 31 January 2020"},
                      LabelText{"lblCount", "3 of 3 ticked"}, LabelText{"lblSkipped", "Left out:\nLine 7: no rate"}),
    [](const ::testing::TestParamInfo<LabelText>& info) { return std::string(info.param.label); });

// Thousands of rows left out must not make the dialog taller than a screen.
TEST_F(PreviewTest, aLongListOfRowsLeftOutIsCutWithACount)
{
    open(0, 25);
    const QStringList lines = qobject_cast<QLabel*>(child("lblSkipped"))->text().split(u'\n');
    ASSERT_EQ(lines.size(), 12);
    EXPECT_EQ(str(lines[10]), "Line 16: no rate");
    EXPECT_EQ(str(lines[11]), "... and 15 more.");
}

struct FocusWalk {
    const char* name;
    Qt::Key key;
    Qt::KeyboardModifiers modifiers;
    std::vector<std::string> stops;  // from the table, one key press each
    friend void PrintTo(const FocusWalk& w, std::ostream* os) { *os << w.name; }
};

class PreviewFocusTest : public PreviewTest, public ::testing::WithParamInterface<FocusWalk> {};

TEST_P(PreviewFocusTest, keysLeaveTheTableAndReachEveryButton)
{
    const FocusWalk& walk = GetParam();
    frmImportRates& d = open();
    d.tblChanges->setFocus();
    d.tblChanges->setCurrentCell(1, 2);
    std::vector<std::string> stops;
    for (std::size_t i = 0; i < walk.stops.size(); ++i) {
        QTest::keyClick(QApplication::focusWidget(), walk.key, walk.modifiers);
        stops.push_back(QApplication::focusWidget() ? str(QApplication::focusWidget()->objectName()) : "none");
    }
    EXPECT_EQ(stops, walk.stops);
}

INSTANTIATE_TEST_SUITE_P(
    Keys, PreviewFocusTest,
    ::testing::Values(
        FocusWalk{"Tab", Qt::Key_Tab, Qt::NoModifier,
                  {"cmdTickAll", "cmdUntickAll", "cmdImport", "cmdCancel", "tblChanges"}},
        FocusWalk{"ShiftTab", Qt::Key_Backtab, Qt::ShiftModifier,
                  {"cmdCancel", "cmdImport", "cmdUntickAll", "cmdTickAll", "tblChanges"}},
        FocusWalk{"CtrlTab", Qt::Key_Tab, Qt::ControlModifier, {"cmdTickAll"}},
        FocusWalk{"CtrlShiftTab", Qt::Key_Backtab, Qt::ControlModifier | Qt::ShiftModifier, {"cmdCancel"}}),
    [](const ::testing::TestParamInfo<FocusWalk>& info) { return std::string(info.param.name); });

TEST_F(PreviewTest, arrowsMoveWithinTheTableAndSpaceTogglesTheRowInEveryColumn)
{
    frmImportRates& d = open();
    d.tblChanges->setFocus();
    d.tblChanges->setCurrentCell(0, 0);
    QTest::keyClick(d.tblChanges, Qt::Key_Down);
    QTest::keyClick(d.tblChanges, Qt::Key_Down);
    for (int column = 0; column < frmImportRates::ColCount; ++column) {
        ASSERT_EQ(QApplication::focusWidget(), d.tblChanges);
        ASSERT_EQ(d.tblChanges->currentRow(), 2);
        ASSERT_EQ(d.tblChanges->currentColumn(), column);
        QTest::keyClick(d.tblChanges, Qt::Key_Space);
        EXPECT_EQ(ticks(), (std::vector<bool>{true, true, true})) << "column " << column;
        EXPECT_EQ(count(), "3 of 3 ticked");
        QTest::keyClick(d.tblChanges, Qt::Key_Space);
        EXPECT_EQ(ticks(), (std::vector<bool>{true, true, false})) << "column " << column;
        QTest::keyClick(d.tblChanges, Qt::Key_Right);
    }
}

class PreviewTickAccessTest : public PreviewTest, public ::testing::WithParamInterface<int> {};

TEST_P(PreviewTickAccessTest, everyTickIsACheckBoxWithItsStateAndToggleTogglesIt)
{
    frmImportRates& d = open();
    const int row = GetParam();
    const bool was = ticks()[row];
    QAccessibleInterface* table = QAccessible::queryAccessibleInterface(d.tblChanges);
    ASSERT_TRUE(table && table->tableInterface());
    QAccessibleInterface* tick = table->tableInterface()->cellAt(row, frmImportRates::ColCountry);
    ASSERT_TRUE(tick);
    // The number the view's focus events give the cell.
    EXPECT_EQ(table->indexOfChild(tick), (row + 1) * (frmImportRates::ColCount + 1) + frmImportRates::ColCountry + 1);
    EXPECT_EQ(tick->role(), QAccessible::CheckBox);
    EXPECT_EQ(str(tick->text(QAccessible::Name)), str(d.changes()[row].country));
    EXPECT_TRUE(tick->state().checkable);
    EXPECT_EQ(tick->state().checked, was);

    const QString toggle = QAccessibleActionInterface::toggleAction();
    ASSERT_TRUE(tick->actionInterface());
    EXPECT_TRUE(tick->actionInterface()->actionNames().contains(toggle));
    tick->actionInterface()->doAction(toggle);
    EXPECT_EQ(ticks()[row], !was);
    EXPECT_EQ(tick->state().checked, !was);
    EXPECT_EQ(count(), was ? "1 of 3 ticked" : "3 of 3 ticked");
    // Any cell of the row toggles it, as Space does.
    QAccessibleInterface* rate = table->tableInterface()->cellAt(row, frmImportRates::ColNew);
    ASSERT_TRUE(rate && rate->actionInterface());
    rate->actionInterface()->doAction(toggle);
    EXPECT_EQ(ticks()[row], was);
}

INSTANTIATE_TEST_SUITE_P(Rows, PreviewTickAccessTest, ::testing::Values(0, 2),
                         [](const ::testing::TestParamInfo<int>& info) {
                             return info.param == 0 ? "ticked" : "unticked";
                         });

TEST_F(PreviewTest, untickAllUnticksEveryRowByButtonAndAccessKey)
{
    frmImportRates& d = open();
    auto* untick = qobject_cast<QPushButton*>(child("cmdUntickAll"));
    ASSERT_TRUE(untick);
    QTest::mouseClick(untick, Qt::LeftButton);
    EXPECT_EQ(ticks(), (std::vector<bool>{false, false, false}));
    EXPECT_EQ(count(), "0 of 3 ticked");
    EXPECT_FALSE(d.cmdImport->isEnabled());

    QTest::mouseClick(d.cmdTickAll, Qt::LeftButton);
    d.tblChanges->setFocus();
    QTest::keyClick(d.tblChanges, Qt::Key_U, Qt::AltModifier);
    // A button pressed by its access key clicks a moment later.
    EXPECT_TRUE(QTest::qWaitFor([this] { return ticks() == std::vector<bool>{false, false, false}; }, 2000));

    QStringList keys;
    for (const QAbstractButton* button : d.findChildren<QAbstractButton*>())
        keys << QKeySequence::mnemonic(button->text()).toString();
    keys.removeAll(QString());
    EXPECT_EQ(keys.removeDuplicates(), 0) << str(keys.join(u' '));
}

// Also run on a 1280x1024 screen at scale factors 1 and 2 (tests/CMakeLists.txt).
TEST_F(PreviewTest, opensCentredWithinTheScreenAndTwentyRowsTallWhereThereIsRoom)
{
    frmImportRates& d = open(170);
    const QRect room = d.screen()->availableGeometry();
    const QRect frame = d.frameGeometry();
    EXPECT_TRUE(room.contains(frame)) << geometry(frame) << " on " << geometry(room);
    EXPECT_LE(std::abs(frame.center().x() - room.center().x()), 1) << geometry(frame) << " on " << geometry(room);
    EXPECT_LE(std::abs(frame.center().y() - room.center().y()), 1) << geometry(frame) << " on " << geometry(room);
    for (const char* name : {"cmdImport", "cmdCancel"}) {
        const QWidget* button = child(name);
        EXPECT_TRUE(room.contains(QRect(button->mapToGlobal(QPoint(0, 0)), button->size()))) << name;
    }
    const int rows = d.tblChanges->viewport()->height() / d.tblChanges->rowHeight(0);
    EXPECT_TRUE(rows >= 20 || frame.height() > room.height() * 9 / 10)
        << rows << " rows in " << geometry(frame) << " on " << geometry(room);
}

TEST_F(PreviewTest, reopensAtTheSizeTheUserGaveItAndAlwaysWithinTheScreen)
{
    const QString key = u"ImportPreview/Size"_s;
    QSettings settings(QSettings::IniFormat, QSettings::UserScope, u"Tallyvane"_s, u"Tallyvane"_s);
    const QSize fresh = open().size();
    close();
    settings.sync();
    EXPECT_FALSE(settings.contains(key)) << "a size the user never gave is not kept";

    const QSize given = fresh - QSize(40, 30);
    open().resize(given);
    ASSERT_TRUE(QTest::qWaitFor([&] { return dialog->size() == given; }));
    close();
    EXPECT_EQ(open().size(), given);
    close();

    // Another screen or a hand-edited file: never larger than the screen, nonsense ignored.
    for (const QVariant& stored : {QVariant(QSize(100000, 100000)), QVariant(u"wide"_s), QVariant(QSize(0, 0))}) {
        settings.setValue(key, stored);
        settings.sync();
        const frmImportRates& d = open();
        EXPECT_TRUE(d.screen()->availableGeometry().contains(d.frameGeometry())) << str(stored.toString());
        if (stored.typeId() != QMetaType::QSize || stored.toSize().isEmpty()) {
            EXPECT_EQ(d.size(), fresh) << str(stored.toString());
        }
        close();
    }
}

} // namespace
