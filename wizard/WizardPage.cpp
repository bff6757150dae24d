#include "WizardPage.h"

WizardPage::WizardPage(QWidget *parent)
    : QWizardPage(parent), complete(true)
{
}

void WizardPage::setComplete(bool value)
{
    if (complete == value)
        return;
    complete = value;
    emit completeChanged();
}

bool WizardPage::isComplete() const
{
    return complete;
}
