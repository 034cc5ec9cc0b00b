#include "tests/AppFixture.h"

namespace AppFixture {

Hud::Hud(const QWidget& w)
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

QString Hud::selected(int i) const
{
    const auto items = lstCountries[i]->selectedItems();
    return items.isEmpty() ? QString() : items.first()->text();
}

Hud ctl(const frmHUD& window)
{
    return Hud(window);
}

void choose(QListWidget* list, const QString& name)
{
    const auto found = list->findItems(name, Qt::MatchExactly | Qt::MatchCaseSensitive);
    ASSERT_EQ(found.size(), 1) << name.toStdString();
    list->scrollToItem(found.first());
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(found.first()).center());
    ASSERT_EQ(list->currentItem(), found.first()) << name.toStdString();
}

void typeInto(QLineEdit* box, const QString& text)
{
    box->setFocus();
    box->selectAll();
    QTest::keyClick(box, Qt::Key_Backspace);
    QTest::keyClicks(box, text);
}

void ProgramTest::SetUp()
{
    ASSERT_TRUE(dir.isValid());
    data::setProgramFolder(dir.path());
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, dir.filePath(QStringLiteral("config")));
    widgets::setMsgBoxHandler([this](const widgets::MsgBoxRequest& r) {
        messages.push_back(r);
        // Unanswered: a confirmation is Yes, the question about an unsaved entry No.
        if (answers.empty()) {
            switch (r.buttons) {
            case widgets::MsgBoxButtons::YesNo: return widgets::MsgBoxResult::Yes;
            case widgets::MsgBoxButtons::YesNoCancel: return widgets::MsgBoxResult::No;
            case widgets::MsgBoxButtons::OK: break;
            }
            return widgets::MsgBoxResult::OK;
        }
        const widgets::MsgBoxResult a = answers.front();
        answers.pop_front();
        return a;
    });
}

void ProgramTest::TearDown()
{
    if (frmHUD::isLoaded())
        delete &frmHUD::instance();
    delete frmSplash::current();
    for (QWidget* w : QApplication::topLevelWidgets())
        delete w;
    data::rsRates.Close();
    data::cnRates.Close();
    widgets::setMsgBoxHandler({});
    QCoreApplication::processEvents();
}

QString ProgramTest::connectionDialogStart() const
{
    return QStringLiteral("There was a problem connecting to the Exchange rates database.\r\n"
                          "Check if the database is at the following location:\r\n")
        + dbPath()
        + QStringLiteral("\r\nIf the problem persists, please report the following details to "
                         "Fernwick Software:\r\nERROR #: -2147467259\r\nERROR  :");
}

void ProgramTest::saveSetting(const QString& key, const QVariant& value)
{
    QSettings s(QSettings::IniFormat, QSettings::UserScope, QStringLiteral("Tallyvane"), QStringLiteral("Tallyvane"));
    s.setValue(QStringLiteral("Defaults/") + key, value);
}

QVariant ProgramTest::savedSetting(const QString& key)
{
    QSettings s(QSettings::IniFormat, QSettings::UserScope, QStringLiteral("Tallyvane"), QStringLiteral("Tallyvane"));
    return s.value(QStringLiteral("Defaults/") + key);
}

frmHUD& ProgramTest::startProgram()
{
    EXPECT_TRUE(app::Start());
    return frmHUD::instance();
}

} // namespace AppFixture

namespace MaintenanceFixture {

std::vector<std::string> itemsOf(const QListWidget& list)
{
    std::vector<std::string> items;
    for (int i = 0; i < list.count(); ++i)
        items.push_back(str(list.item(i)->text()));
    return items;
}

RateBoxControls::RateBoxControls(const QWidget& d)
    : txtCountry(AppFixture::control<QLineEdit>(d, QStringLiteral("txtCountry")))
    , txtDenom(AppFixture::control<QLineEdit>(d, QStringLiteral("txtDenom")))
    , txtExRate(AppFixture::control<QLineEdit>(d, QStringLiteral("txtExRate")))
    , cmdFinished(AppFixture::control<QPushButton>(d, QStringLiteral("cmdFinished")))
{
}

AddControls::AddControls(const QWidget& d)
    : RateBoxControls(d)
    , cmdSave(AppFixture::control<QPushButton>(d, QStringLiteral("cmdSave")))
{
}

DeleteControls::DeleteControls(const QWidget& d)
    : RateBoxControls(d)
    , lstCountries(AppFixture::control<QListWidget>(d, QStringLiteral("lstCountries")))
    , cmdDel(AppFixture::control<QPushButton>(d, QStringLiteral("cmdDel")))
{
}

AddControls ctl(const frmAddExchange& d)
{
    return AddControls(d);
}

DeleteControls ctl(const frmDelete& d)
{
    return DeleteControls(d);
}

frmHUD& MaintenanceTest::startProgram(const std::vector<data::RateRow>& rows, bool withFile)
{
    if (withFile)
        data::createRatesDatabase(dbPath(), rows);
    EXPECT_TRUE(app::Start());
    messages.clear();
    return frmHUD::instance();
}

void MaintenanceTest::trigger(const char* action)
{
    QAction* a = frmHUD::instance().findChild<QAction*>(QString::fromLatin1(action));
    ASSERT_NE(a, nullptr) << action;
    a->trigger();
}

std::vector<std::string> MaintenanceTest::storedRows() const
{
    std::vector<std::string> rows;
    data::Connection connection;
    data::Recordset rs;
    connection.Open(dbPath());
    rs.Open(connection);
    if (rs.isBOF() && rs.isEOF())
        return rows;
    for (rs.MoveFirst(); !rs.isEOF(); rs.MoveNext()) {
        rows.push_back(str(rs.Field(data::FieldCountry) + QLatin1Char('|') + rs.Field(data::FieldUnit)
                           + QLatin1Char('|') + rs.Field(data::FieldRate)));
    }
    return rows;
}

std::vector<std::string> MaintenanceTest::prompts() const
{
    std::vector<std::string> texts;
    for (const widgets::MsgBoxRequest& r : messages)
        texts.push_back(str(r.prompt));
    return texts;
}

int MaintenanceTest::countOf(const QString& prompt) const
{
    int n = 0;
    for (const widgets::MsgBoxRequest& r : messages)
        n += r.prompt == prompt ? 1 : 0;
    return n;
}

const QString FillListsFailed = QStringLiteral("There were errors while trying to fill the countries lists.");

void expectFailureReport(const widgets::MsgBoxRequest& r, const QString& firstLine, long number)
{
    const QStringList lines = r.prompt.split(QStringLiteral("\r\n"));
    ASSERT_EQ(lines.size(), 4) << str(r.prompt);
    EXPECT_EQ(str(lines[0]), str(firstLine));
    EXPECT_EQ(str(lines[1]),
              "If the problem persists, please report the following details to Fernwick Software:");
    EXPECT_EQ(str(lines[2]), "ERROR #: " + std::to_string(number));
    EXPECT_TRUE(lines[3].startsWith(QStringLiteral("ERROR  :")) && lines[3].size() > 8) << str(lines[3]);
}

void expectSaveError(const widgets::MsgBoxRequest& r, long number)
{
    EXPECT_EQ(str(r.title), "Save Error");
    EXPECT_EQ(r.icon, widgets::MsgBoxIcon::Critical);
    EXPECT_EQ(r.buttons, widgets::MsgBoxButtons::OK);
    expectFailureReport(r, QStringLiteral("There was a problem saving the data."), number);
}

void expectRefusal(const widgets::MsgBoxRequest& r, const std::string& words)
{
    EXPECT_EQ(str(r.title), "Tallyvane");
    EXPECT_EQ(r.icon, widgets::MsgBoxIcon::Exclamation);
    EXPECT_EQ(r.buttons, widgets::MsgBoxButtons::OK);
    EXPECT_FALSE(r.prompt.contains(QStringLiteral("ERROR #"))) << str(r.prompt);
    EXPECT_NE(str(r.prompt).find(words), std::string::npos) << str(r.prompt);
}

} // namespace MaintenanceFixture
