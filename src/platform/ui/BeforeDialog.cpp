#include "platform/ui/BeforeDialog.h"

#include <QVector>

#include <algorithm>

namespace {

QVector<BeforeDialog*>& registered()
{
    static QVector<BeforeDialog*> all;
    return all;
}

}  // namespace

BeforeDialog::BeforeDialog(std::function<void()> action) : action_(std::move(action)) { registered().append(this); }

BeforeDialog::~BeforeDialog() { registered().removeOne(this); }

void BeforeDialog::runAll()
{
    const QVector<BeforeDialog*> now = registered();
    std::for_each(now.rbegin(), now.rend(), [](BeforeDialog* before) { before->action_(); });
}
