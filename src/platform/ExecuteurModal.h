// Shows a modal dialog and returns its result (QDialog::Accepted or Rejected).
// Windows never call exec() themselves, so that a test can drive the dialog.
#pragma once

class QDialog;

namespace tavelune {

class ExecuteurModal {
public:
    virtual ~ExecuteurModal() = default;
    virtual int Executer(QDialog& dialogue) = 0;
};

class ExecuteurModalQt final : public ExecuteurModal {
public:
    int Executer(QDialog& dialogue) override;
};

} // namespace tavelune
