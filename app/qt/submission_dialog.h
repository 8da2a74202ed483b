// CSubmissionDialog: the settings of the log sent in after the contest, one field per setting: a
// choice of the allowed values (or the default) for the categories, a line for the others. OK stores
// them; a value the store refuses keeps the dialog open.
#pragma once

#include <QDialog>
#include <QLabel>
#include <QWidget>
#include <vector>

#include "app/session/settings_backend.h"

namespace tallyhawk {

class CSubmissionDialog : public QDialog {
    Q_OBJECT
public:
    // `defaultPeriod` is shown in the empty contest period field: the period the check uses then.
    CSubmissionDialog(SettingsBackend& store, const QString& defaultPeriod, QWidget* parent = nullptr);

private:
    void Accept();

    SettingsBackend& m_store;
    std::vector<QWidget*> m_fields;  // in the order of the settings
    QLabel* m_refusal = nullptr;
};

}  // namespace tallyhawk
