#include "maintenance/frmSettings.h"
#include "ui_frmSettings.h"

#include "maintenance/CommissionPage.h"
#include "maintenance/RateSourceSettings.h"
#include "maintenance/ReceiptSettings.h"
#include "maintenance/SettingsPage.h"
#include "maintenance/WriteCheck.h"
#include "widgets/Failure.h"
#include "widgets/MsgBox.h"
#include "widgets/Placement.h"

#include <QPointer>
#include <QPushButton>
#include <QTabWidget>

frmSettings::frmSettings(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                          | Qt::WindowCloseButtonHint)
    , ui(std::make_unique<Ui::frmSettings>())
{
    ui->setupUi(this);
    connect(ui->cmdOK, &QPushButton::clicked, this, &frmSettings::cmdOK_Click);
    connect(ui->cmdCancel, &QPushButton::clicked, this, &frmSettings::reject);
    widgets::centreOnScreenWhenShown(*this);
}

frmSettings::~frmSettings() = default;

void frmSettings::addPage(const QString& title, maintenance::SettingsPage* page)
{
    ui->tabPages->addTab(page, title);
    pages_.push_back(page);
}

bool frmSettings::loadPages()
{
    bool loaded = false;
    widgets::runGuarded(
        [this, &loaded] {
            for (maintenance::SettingsPage* page : pages_)
                page->load();
            loaded = true;
            // On the first page's box (its focus proxy), not on the tabs.
            if (!pages_.empty())
                pages_.front()->setFocus();
        },
        [](long number, const QString& description) {
            widgets::reportFailure(tr("The settings could not be read."), number, description);
        });
    return loaded;
}

void frmSettings::cmdOK_Click()
{
    accept();
}

void frmSettings::accept()
{
    if (savePages())
        QDialog::accept();
}

// Page by page, so a page that cannot save is shown with what it holds.
bool frmSettings::savePages()
{
    for (maintenance::SettingsPage* page : pages_) {
        QString why;
        bool saved = false;
        widgets::runGuarded([page, &why, &saved] { saved = page->save(&why); }, maintenance::reportSaveError);
        if (saved)
            continue;
        ui->tabPages->setCurrentWidget(page);
        if (!why.isEmpty())
            widgets::MsgBox(why, widgets::MsgBoxButtons::OK, widgets::MsgBoxIcon::Exclamation);
        return false;
    }
    return true;
}

namespace maintenance {

bool showSettings(QWidget& owner, const SettingsPages& addPages)
{
    // Modal over the main window, which may delete it with itself before exec returns.
    QPointer<frmSettings> dialog = new frmSettings(&owner);
    //: A tab of the Settings dialog: what a deal costs beyond the rates.
    dialog->addPage(frmSettings::tr("&Commission"), new CommissionPage);
    //: A tab of the Settings dialog: when rates are old, and where they come from.
    dialog->addPage(frmSettings::tr("&Rates"), new RateSourceSettings);
    dialog->addPage(frmSettings::tr("Recei&pts"), new ReceiptSettings);
    if (addPages)
        addPages(*dialog);
    if (!dialog->loadPages()) {
        delete dialog;
        return false;
    }
    dialog->exec();
    delete dialog;
    return true;
}

} // namespace maintenance
