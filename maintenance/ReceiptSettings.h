#pragma once

// Where receipts go and what they say: the till's name, the shop's name and
// address, the destination (a printer, a folder of PDFs, nowhere) and the
// layout. Kept in the per-user settings, group "Receipts"; the Settings
// dialog (frmSettings) hosts the page that edits them.

#include "maintenance/SettingsPage.h"

#include <QString>

class QComboBox;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

namespace maintenance {

enum class ReceiptDestination { Nowhere, Printer, Folder };
enum class ReceiptLayout { Roll80, A4 };

struct ReceiptOptions {
    QString tillName; // empty: the machine's host name
    QString shopName;
    QString shopAddress; // lines joined by '\n'
    ReceiptDestination destination = ReceiptDestination::Nowhere;
    QString folder;
    ReceiptLayout layout = ReceiptLayout::Roll80;
};

// What the settings hold; an unknown value reads as the default.
ReceiptOptions loadReceiptOptions();
// Written and synced; false when the settings file could not be written.
bool saveReceiptOptions(const ReceiptOptions& options);

// The till's name as entries record it: the setting, else the host name.
QString effectiveTillName(const ReceiptOptions& options);

// The Receipts page of the Settings dialog.
class ReceiptSettings : public SettingsPage {
    Q_OBJECT

public:
    explicit ReceiptSettings(QWidget* parent = nullptr);

    void load() override;
    bool save(QString* why) override;

private:
    void chooseFolder();
    void updateFolderBoxes();

    QLineEdit* txtTillName = nullptr;
    QLineEdit* txtShopName = nullptr;
    QPlainTextEdit* txtShopAddress = nullptr;
    QComboBox* cboDestination = nullptr;
    QLineEdit* txtFolder = nullptr;
    QPushButton* cmdFolder = nullptr;
    QComboBox* cboLayout = nullptr;
};

} // namespace maintenance
