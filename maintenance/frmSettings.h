#pragma once

// File > Settings...: the till's settings, a page (maintenance::SettingsPage)
// per group, on tabs. Every page is loaded when the dialog opens; OK saves
// the pages in order and closes, or stays on the first page that cannot
// save, having said why; Cancel stores nothing.
//
// Adding a page is one call, before the dialog is shown:
//     dialog.addPage(tr("Receipts"), new ReceiptsPage);
// Pages made in maintenance/ are added by showSettings; code in a folder
// above passes its own in showSettings' addPages.

#include <QDialog>
#include <QString>

#include <functional>
#include <memory>
#include <vector>

namespace Ui {
class frmSettings;
}

namespace maintenance {
class SettingsPage;
}

class frmSettings : public QDialog {
    Q_OBJECT

public:
    explicit frmSettings(QWidget* parent = nullptr);
    ~frmSettings() override;

    // Adds page as the last tab, captioned title (with an access key if it
    // has one); the dialog owns it.
    void addPage(const QString& title, maintenance::SettingsPage* page);
    // Fills every page from what is stored; false, having reported why, when
    // one cannot be read.
    bool loadPages();

    void accept() override;

private:
    void cmdOK_Click();
    bool savePages();

    std::unique_ptr<Ui::frmSettings> ui;
    std::vector<maintenance::SettingsPage*> pages_;
};

namespace maintenance {

// Adds the pages of a folder above this one to a Settings dialog.
using SettingsPages = std::function<void(frmSettings&)>;

// The File menu's Settings... command: the dialog with this folder's pages
// and then those addPages adds, loaded and shown modally over owner. False
// when it could not be shown (the reason said).
bool showSettings(QWidget& owner, const SettingsPages& addPages = {});

} // namespace maintenance
