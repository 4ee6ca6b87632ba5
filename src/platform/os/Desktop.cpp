#include "platform/os/Desktop.h"

#include <QDesktopServices>
#include <QFileInfo>
#include <QProcess>
#include <QUrl>

namespace {

class SystemDesktop : public Desktop {
public:
    bool openDocument(const QString& target) override
    {
        const QUrl url = QFileInfo::exists(target) ? QUrl::fromLocalFile(target) : QUrl::fromUserInput(target);
        return QDesktopServices::openUrl(url);
    }

    bool startProgram(const QString& program, const QStringList& arguments) override
    {
        return QProcess::startDetached(program, arguments);
    }
};

}  // namespace

std::unique_ptr<Desktop> ServiceDefault<Desktop>::make() { return std::make_unique<SystemDesktop>(); }
