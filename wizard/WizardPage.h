#ifndef WIZARDPAGE_H
#define WIZARDPAGE_H

#include <QWizardPage>

// A wizard page whose completeness is decided from outside: the wizard
// validates its inputs itself and switches Next (or Finish, on the last
// page) on and off through setComplete().
class WizardPage : public QWizardPage
{
    Q_OBJECT

public:
    explicit WizardPage(QWidget *parent = nullptr);

    void setComplete(bool complete);
    bool isComplete() const override;

private:
    bool complete;
};

#endif
