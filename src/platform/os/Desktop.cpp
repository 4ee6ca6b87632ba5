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

}  // namespace

std::unique_ptr<Desktop> ServiceDefault<Desktop>::make() { return std::make_unique<SystemDesktop>(); }
