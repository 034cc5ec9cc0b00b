// The Help menu's links and the About box.

#include "AppFixture.h"

#include "info/Links.h"
#include "info/frmAbout.h"
#include "widgets/ClickableLabel.h"

#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QAction>
#include <QDesktopServices>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <QTimer>
#include <QUrl>

using AppFixture::ProgramTest;
using namespace Qt::StringLiterals;

// Stands in for the desktop's browser and mail client.
class LinkRecorder : public QObject {
    Q_OBJECT

public:
    QStringList links;

public Q_SLOTS:
    void openLink(const QUrl& url) { links << url.toString(); }
};

namespace {

// The About box's controls, found by their object names.
struct AboutControls {
    explicit AboutControls(const QWidget& w)
        : cmdOK(AppFixture::control<QPushButton>(w, u"cmdOK"_s))
        , lblEMail(AppFixture::control<widgets::ClickableLabel>(w, u"lblEMail"_s))
        , lblFree(AppFixture::control<QLabel>(w, u"lblFree"_s))
        , Image1(AppFixture::control<QLabel>(w, u"Image1"_s))
    {
    }
    QPushButton* cmdOK;
    widgets::ClickableLabel* lblEMail;
    QLabel* lblFree;
    QLabel* Image1;
};

AboutControls ctl(const frmAbout& about)
{
    return AboutControls(about);
}
using AppFixture::ctl;

const QStringList Schemes{u"https"_s, u"http"_s, u"mailto"_s};

bool waitFor(const std::function<bool()>& condition, int ms = 5000)
{
    return QTest::qWaitFor(condition, ms);
}

class LinkTest : public ProgramTest {
protected:
    void SetUp() override
    {
        ProgramTest::SetUp();
        for (const QString& scheme : Schemes)
            QDesktopServices::setUrlHandler(scheme, &recorder, "openLink");
    }

    void TearDown() override
    {
        for (const QString& scheme : Schemes)
            QDesktopServices::unsetUrlHandler(scheme);
        ProgramTest::TearDown();
    }

    static void choose(frmHUD& hud, const char* item)
    {
        QAction* action = hud.findChild<QAction*>(QString::fromLatin1(item));
        ASSERT_NE(action, nullptr) << item;
        action->trigger();
    }

    frmAbout& openAbout(frmHUD& hud)
    {
        choose(hud, "mnuHelpAbout");
        frmAbout* about = frmAbout::current();
        EXPECT_NE(about, nullptr);
        return *about;
    }

    LinkRecorder recorder;
};

struct MenuLink {
    const char* item;
    const char* link;
};

class MenuLinkTest : public LinkTest, public ::testing::WithParamInterface<MenuLink> {};

TEST_P(MenuLinkTest, handsOverItsExactLinkEveryTimeItIsChosen)
{
    frmHUD& hud = frmHUD::instance();
    const QString link = QString::fromLatin1(GetParam().link);
    choose(hud, GetParam().item);
    EXPECT_EQ(recorder.links, QStringList{link});
    choose(hud, GetParam().item);
    EXPECT_EQ(recorder.links, QStringList({link, link}));
    EXPECT_TRUE(messages.empty());
}

INSTANTIATE_TEST_SUITE_P(
    HelpMenu, MenuLinkTest,
    ::testing::Values(MenuLink{"mnuHelpURL", "https://www.fernwicksoftware.com/"},
                      MenuLink{"mnuHelpCommunity", "https://www.freewarecommons.com/Fernwick"},
                      MenuLink{"mnuHelpEMail", "mailto:support@fernwicksoftware.com"},
                      MenuLink{"mnuHelpRatesRevenue", "https://www.hmrc.gov.uk/exrate/index.htm"},
                      MenuLink{"mnuHelpRatesRate", "https://www.ratesatlas.com/exrates.html"}),
    [](const auto& info) { return std::string(info.param.item); });

TEST_F(LinkTest, ratesSiteItemIsCaptionedWithTheDomainItOpens)
{
    frmHUD& hud = frmHUD::instance();
    QAction* item = hud.findChild<QAction*>(u"mnuHelpRatesRate"_s);
    ASSERT_NE(item, nullptr);
    item->trigger();
    ASSERT_EQ(recorder.links.size(), 1);
    QString domain = QUrl(recorder.links.first()).host();
    if (domain.startsWith(u"www."_s))
        domain.remove(0, 4);
    EXPECT_EQ(item->text(), u'&' + domain);
    EXPECT_EQ(item->text(), info::ratesSiteMenuCaption());
}

TEST_F(LinkTest, mailLinkIsTheSameFromTheMenuAndTheAboutBox)
{
    frmHUD& hud = frmHUD::instance();
    choose(hud, "mnuHelpEMail");
    frmAbout& about = openAbout(hud);
    EXPECT_EQ(ctl(about).lblEMail->text(), u"support@fernwicksoftware.com"_s);
    QTest::mouseClick(ctl(about).lblEMail, Qt::LeftButton);
    ASSERT_EQ(recorder.links.size(), 2);
    EXPECT_EQ(recorder.links[0], u"mailto:support@fernwicksoftware.com"_s);
    EXPECT_EQ(recorder.links[1], recorder.links[0]);
    // The click leaves the box open.
    EXPECT_EQ(frmAbout::current(), &about);
    EXPECT_TRUE(about.isVisible());
}

TEST_F(LinkTest, mailLabelNeedsPressAndReleaseOverIt)
{
    frmAbout& about = openAbout(frmHUD::instance());
    widgets::ClickableLabel* label = ctl(about).lblEMail;
    // Pressed on the label but released off it: no click, as with a button.
    QTest::mousePress(label, Qt::LeftButton);
    QTest::mouseRelease(label, Qt::LeftButton, {}, QPoint(-5, -5));
    QTest::mouseClick(label, Qt::RightButton);
    EXPECT_TRUE(recorder.links.isEmpty());
}

TEST_F(LinkTest, mailLabelIsAPressableLinkForAssistiveToolsWithoutTakingFocus)
{
    frmAbout& about = openAbout(frmHUD::instance());
    EXPECT_EQ(ctl(about).lblEMail->focusPolicy(), Qt::NoFocus);
    QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(ctl(about).lblEMail);
    ASSERT_NE(iface, nullptr);
    EXPECT_EQ(iface->role(), QAccessible::Link);
    EXPECT_EQ(iface->text(QAccessible::Name), u"support@fernwicksoftware.com"_s);
    QAccessibleActionInterface* actions = iface->actionInterface();
    ASSERT_NE(actions, nullptr);
    ASSERT_TRUE(actions->actionNames().contains(QAccessibleActionInterface::pressAction()));
    actions->doAction(QAccessibleActionInterface::pressAction());
    EXPECT_EQ(recorder.links, QStringList{u"mailto:support@fernwicksoftware.com"_s});
}

TEST_F(LinkTest, linkWithoutAHandlerEndsQuietly)
{
    if (QGuiApplication::platformName() != u"offscreen"_s)
        GTEST_SKIP() << "would start the desktop's real mail client";
    QDesktopServices::unsetUrlHandler(u"mailto"_s);
    frmHUD& hud = frmHUD::instance();
    const auto windowsBefore = QApplication::topLevelWidgets().size();
    choose(hud, "mnuHelpEMail");
    QCoreApplication::processEvents();
    EXPECT_TRUE(messages.empty());
    EXPECT_EQ(QApplication::topLevelWidgets().size(), windowsBefore);
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
}

class AboutTest : public LinkTest {};

TEST_F(AboutTest, choosingAboutTwiceLeavesOneBox)
{
    frmHUD& hud = frmHUD::instance();
    frmAbout& first = openAbout(hud);
    frmAbout& second = openAbout(hud);
    EXPECT_EQ(&first, &second);
    int boxes = 0;
    for (QWidget* w : QApplication::topLevelWidgets())
        boxes += qobject_cast<frmAbout*>(w) != nullptr;
    EXPECT_EQ(boxes, 1);
    EXPECT_TRUE(first.isVisible());
}

TEST_F(AboutTest, opensModelessWithOkAsTheOnlyFocus)
{
    frmHUD& hud = frmHUD::instance();
    hud.show();
    frmAbout& about = openAbout(hud);
    EXPECT_FALSE(about.isModal());
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    EXPECT_EQ(about.parentWidget(), nullptr);  // no owner: it may outlive the main window
    ASSERT_TRUE(QTest::qWaitForWindowActive(&about));
    EXPECT_EQ(QApplication::focusWidget(), ctl(about).cmdOK);
    for (QWidget* w : about.findChildren<QWidget*>()) {
        if (w != ctl(about).cmdOK) {
            EXPECT_EQ(w->focusPolicy(), Qt::NoFocus) << w->objectName().toStdString();
        }
    }
}

class AboutKeyTest : public LinkTest, public ::testing::WithParamInterface<Qt::Key> {};

TEST_P(AboutKeyTest, enterAndSpaceOnOkCloseTheBox)
{
    frmAbout& about = openAbout(frmHUD::instance());
    QPointer<frmAbout> box(&about);
    QTest::keyClick(ctl(about).cmdOK, GetParam());
    EXPECT_EQ(frmAbout::current(), nullptr);
    EXPECT_TRUE(waitFor([&] { return box.isNull(); }));  // unloaded, not merely hidden
}

INSTANTIATE_TEST_SUITE_P(Keys, AboutKeyTest, ::testing::Values(Qt::Key_Return, Qt::Key_Enter, Qt::Key_Space));

TEST_F(AboutTest, escapeClosesTheBox)
{
    frmAbout& about = openAbout(frmHUD::instance());
    QPointer<frmAbout> box(&about);
    QTest::keyClick(ctl(about).cmdOK, Qt::Key_Escape);
    EXPECT_EQ(frmAbout::current(), nullptr);
    EXPECT_TRUE(waitFor([&] { return box.isNull(); }));
}

TEST_F(AboutTest, closedBoxIsCreatedAfreshNextTime)
{
    frmHUD& hud = frmHUD::instance();
    QPointer<frmAbout> first(&openAbout(hud));
    QTest::mouseClick(ctl(*first).cmdOK, Qt::LeftButton);
    // Help > About at once, before the old box is even deleted, gives a new one.
    frmAbout& second = openAbout(hud);
    EXPECT_NE(&second, first.data());
    EXPECT_TRUE(second.isVisible());
    EXPECT_TRUE(waitFor([&] { return first.isNull(); }));
    EXPECT_EQ(frmAbout::current(), &second);

    second.close();  // the close box
    EXPECT_EQ(frmAbout::current(), nullptr);
}

TEST_F(AboutTest, fixedWhiteBoxWithEverythingCentred)
{
    frmHUD& hud = frmHUD::instance();
    frmAbout& about = openAbout(hud);
    EXPECT_EQ(about.windowTitle(), u"About Tallyvane"_s);
    EXPECT_EQ(about.minimumSize(), about.maximumSize());
    EXPECT_FALSE(about.windowFlags() & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint));
    EXPECT_TRUE(about.windowFlags() & Qt::WindowCloseButtonHint);
    EXPECT_FALSE(about.windowIcon().isNull());
    EXPECT_EQ(about.palette().color(QPalette::Window), QColor(Qt::white));
    const QPoint offCentre = about.frameGeometry().center() - about.screen()->availableGeometry().center();
    EXPECT_LE(offCentre.manhattanLength(), 2) << offCentre.x() << "," << offCentre.y();

    // The address looks like a link: dark blue (192), underlined, a hand cursor.
    EXPECT_EQ(ctl(about).lblEMail->palette().color(QPalette::Active, QPalette::WindowText), QColor(0, 0, 192));
    EXPECT_EQ(ctl(about).lblEMail->palette().color(QPalette::Inactive, QPalette::WindowText), QColor(0, 0, 192));
    EXPECT_TRUE(ctl(about).lblEMail->font().underline());
    EXPECT_DOUBLE_EQ(ctl(about).lblEMail->font().pointSizeF(), 11.25);
    EXPECT_EQ(ctl(about).lblEMail->cursor().shape(), Qt::PointingHandCursor);
    EXPECT_DOUBLE_EQ(ctl(about).lblFree->font().pointSizeF(), 11.25);
    EXPECT_FALSE(ctl(about).lblFree->font().underline());

    // Logo at its own size, then the freeware text, the address ending its
    // sentence, and OK, each centred across the box and none cut off.
    EXPECT_FALSE(ctl(about).Image1->hasScaledContents());
    EXPECT_EQ(ctl(about).Image1->pixmap().size(), QSize(135, 68));
    EXPECT_GE(ctl(about).Image1->width(), 135);
    EXPECT_TRUE(ctl(about).lblFree->text().startsWith(u"Tallyvane is freeware"_s));
    EXPECT_GE(ctl(about).lblFree->height(), ctl(about).lblFree->heightForWidth(ctl(about).lblFree->width()));
    EXPECT_GE(ctl(about).lblEMail->width(), ctl(about).lblEMail->sizeHint().width());
    const QList<QWidget*> order{ctl(about).Image1, ctl(about).lblFree, ctl(about).lblEMail, ctl(about).cmdOK};
    const int middle = about.width() / 2;
    for (qsizetype i = 0; i < order.size(); ++i) {
        const QRect r = order[i]->geometry();
        EXPECT_LE(std::abs(r.center().x() - middle), 1) << order[i]->objectName().toStdString();
        EXPECT_TRUE(about.rect().contains(r)) << order[i]->objectName().toStdString();
        if (i > 0) {
            EXPECT_GE(r.top(), order[i - 1]->geometry().bottom()) << order[i]->objectName().toStdString();
        }
    }
}

TEST_F(AboutTest, darkDesktopPaletteLeavesTheTextDarkOnWhite)
{
    const QPalette saved = QApplication::palette();
    QPalette dark(QColor(0x30, 0x30, 0x30), QColor(0x20, 0x20, 0x20));
    dark.setColor(QPalette::WindowText, Qt::white);
    dark.setColor(QPalette::Text, Qt::white);
    QApplication::setPalette(dark);
    frmAbout& about = openAbout(frmHUD::instance());

    EXPECT_EQ(about.palette().color(QPalette::Window), QColor(Qt::white));
    EXPECT_LT(ctl(about).lblFree->palette().color(QPalette::WindowText).lightness(), 64);
    EXPECT_EQ(ctl(about).lblEMail->palette().color(QPalette::WindowText), QColor(0, 0, 192));
    // As drawn: the freeware line leaves dark pixels on its white.
    const QImage drawn = ctl(about).lblFree->grab().toImage();
    int darkPixels = 0;
    for (int y = 0; y < drawn.height(); ++y)
        for (int x = 0; x < drawn.width(); ++x)
            darkPixels += QColor(drawn.pixel(x, y)).lightness() < 100 ? 1 : 0;
    EXPECT_GT(darkPixels, 50);
    QApplication::setPalette(saved);
}

TEST_F(AboutTest, programRunsUntilTheBoxClosesAfterTheMainWindowHasGone)
{
    frmSplash::setInterval(100);
    createDatabase();
    frmHUD& hud = startProgram();
    QPointer<frmAbout> about(&openAbout(hud));
    hud.close();
    // Earlier tests may have left a quit request queued; it must not count here.
    QCoreApplication::sendPostedEvents();
    QCoreApplication::processEvents();

    bool closedAbout = false;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        // Main window and splash gone, the queued work done: only the box is left.
        if (!closedAbout && !frmHUD::isLoaded() && !frmSplash::current() && about) {
            EXPECT_TRUE(about->isVisible());
            closedAbout = true;
            about->close();
        }
    });
    poll.start(20);
    QTimer failsafe;
    failsafe.setSingleShot(true);
    QObject::connect(&failsafe, &QTimer::timeout, [] { QCoreApplication::exit(99); });
    failsafe.start(10000);

    const int rc = QApplication::exec();
    EXPECT_EQ(rc, 0);
    frmSplash::setInterval(frmSplash::ShowMilliseconds);
    EXPECT_TRUE(closedAbout) << "the program ended while the About box was open";
    EXPECT_TRUE(about.isNull());
}

} // namespace

#include "test_info.moc"
