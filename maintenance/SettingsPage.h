#pragma once

// A page of the Settings dialog (frmSettings). Each page shows one group of
// the till's settings; the dialog fills every page when it opens and, on OK,
// asks each page in turn to store what changed, staying open on the first
// that cannot.

#include <QString>
#include <QWidget>

namespace maintenance {

class SettingsPage : public QWidget {
    Q_OBJECT

public:
    using QWidget::QWidget;

    // Fills the boxes from what is stored. May throw data::DbError: the dialog
    // reports it and does not open.
    virtual void load() = 0;

    // Stores what the user changed, nothing when nothing changed. False when
    // something cannot be stored, with why set to a sentence for the user (or
    // left empty when the page has said so itself); nothing is written then.
    // May throw data::DbError, which the dialog reports as a save error.
    virtual bool save(QString* why) = 0;
};

} // namespace maintenance
