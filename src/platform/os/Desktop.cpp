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

    qint64 startProgram(const QString& program, const QStringList& arguments) override
    {
        qint64 processId = 0;
        return QProcess::startDetached(program, arguments, {}, &processId) ? processId : 0;
    }
};

std::unique_ptr<Desktop>& current()
{
    static std::unique_ptr<Desktop> service;
    return service;
}

}  // namespace

Desktop& desktop()
{
    if (!current()) current() = std::make_unique<SystemDesktop>();
    return *current();
}

std::unique_ptr<Desktop> installDesktop(std::unique_ptr<Desktop> service)
{
    std::swap(current(), service);
    return service;
}
