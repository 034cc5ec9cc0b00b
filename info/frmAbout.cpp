#include "info/frmAbout.h"
#include "ui_frmAbout.h"

#include "info/Links.h"
#include "widgets/ClickableLabel.h"
#include "widgets/LastWindow.h"
#include "widgets/Logo.h"
#include "widgets/Placement.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QPushButton>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace {

frmAbout* s_about = nullptr;

// The label's text font; machines without Times New Roman get the nearest serif.
QFont aboutTextFont()
{
    QFont font;
    font.setFamilies({u"Times New Roman"_s, u"Liberation Serif"_s, u"Tinos"_s, u"DejaVu Serif"_s});
    font.setStyleHint(QFont::Serif);
    font.setPointSizeF(11.25);
    font.setWeight(QFont::Normal);
    return font;
}

} // namespace

frmAbout& frmAbout::instance()
{
    if (!s_about) {
        s_about = new frmAbout;
        // The box may be the program's last window once the main window has gone.
        widgets::trackWindow(s_about);
    }
    return *s_about;
}

frmAbout* frmAbout::current()
{
    return s_about;
}

frmAbout::frmAbout()
    : QWidget(nullptr,
              Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                  | Qt::WindowCloseButtonHint)
    , ui(std::make_unique<Ui::frmAbout>())
{
    setAttribute(Qt::WA_DeleteOnClose);
    ui->setupUi(this);
    cmdOK = ui->cmdOK;
    lblEMail = ui->lblEMail;
    lblFree = ui->lblFree;
    Image1 = ui->Image1;
    widgets::showLogo(*Image1);

    lblEMail->setText(info::SupportAddress);
    const QFont textFont = aboutTextFont();
    lblFree->setFont(textFont);
    QFont linkFont = textFont;
    linkFont.setUnderline(true);
    lblEMail->setFont(linkFont);

    // The freeware text wraps at about forty characters of its own font, never
    // narrower than the logo or the address; the box's fixed size follows.
    const int textWidth = std::max({QFontMetrics(textFont).averageCharWidth() * 40,
                                    Image1->sizeHint().width(), lblEMail->sizeHint().width()});
    lblFree->setFixedSize(textWidth, lblFree->heightForWidth(textWidth));
    layout()->setSizeConstraint(QLayout::SetFixedSize);

    connect(cmdOK, &QPushButton::clicked, this, &frmAbout::cmdOK_Click);
    connect(lblEMail, &widgets::ClickableLabel::clicked, this, &frmAbout::lblEMail_Click);

    // White with dark text whatever the desktop's palette; the address keeps
    // its own blue. The button stays as the desktop draws buttons.
    QPalette paper = palette();
    for (const auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        paper.setColor(group, QPalette::Window, Qt::white);
        paper.setColor(group, QPalette::WindowText, Qt::black);
    }
    setPalette(paper);
    QPalette link = lblEMail->palette();
    for (const auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled})
        link.setColor(group, QPalette::WindowText, QColor(0, 0, 192));
    lblEMail->setPalette(link);

    adjustSize();
    cmdOK->setFocus();
    widgets::centreOnScreenWhenShown(*this);
}

frmAbout::~frmAbout()
{
    if (s_about == this)
        s_about = nullptr;
}

void frmAbout::closeEvent(QCloseEvent* event)
{
    // From here on Help > About makes a fresh box, even before this one is deleted.
    if (s_about == this)
        s_about = nullptr;
    event->accept();
}

void frmAbout::keyPressEvent(QKeyEvent* event)
{
    // Escape closes the box as it closes every other window of the program.
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        close();
        return;
    }
    QWidget::keyPressEvent(event);
}

void frmAbout::cmdOK_Click()
{
    close();
}

void frmAbout::lblEMail_Click()
{
    info::OpenLink(info::LinkSupportMail);
}

namespace info {

void showAbout()
{
    // Modeless and without an owner, so the box can outlive the main window;
    // choosing About again brings the open box forward.
    frmAbout& about = frmAbout::instance();
    about.show();
    about.raise();
    about.activateWindow();
}

} // namespace info
