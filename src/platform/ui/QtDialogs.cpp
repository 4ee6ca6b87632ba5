#include "platform/ui/QtDialogs.h"

#include <QApplication>
#include <QDialog>
#include <QFileDialog>
#include <QHash>
#include <QInputDialog>
#include <QMessageBox>
#include <QPushButton>

namespace {

QString captionOf(int result)
{
    switch (result) {
    case vb::vbOK: return "&Aceptar";
    case vb::vbCancel: return "&Cancelar";
    case vb::vbAbort: return "A&bortar";
    case vb::vbRetry: return "&Reintentar";
    case vb::vbIgnore: return "&Ignorar";
    case vb::vbYes: return "&Sí";
    case vb::vbNo: return "&No";
    default: return {};
    }
}

QMessageBox::ButtonRole roleOf(int result)
{
    switch (result) {
    case vb::vbOK:
    case vb::vbYes: return QMessageBox::AcceptRole;
    case vb::vbCancel:
    case vb::vbAbort: return QMessageBox::RejectRole;
    case vb::vbNo: return QMessageBox::NoRole;
    default: return QMessageBox::ActionRole;
    }
}

QMessageBox::Icon qtIcon(int buttons)
{
    switch (vb::IconOf(buttons)) {
    case vb::vbCritical: return QMessageBox::Critical;
    case vb::vbQuestion: return QMessageBox::Question;
    case vb::vbExclamation: return QMessageBox::Warning;
    case vb::vbInformation: return QMessageBox::Information;
    default: return QMessageBox::NoIcon;
    }
}

// "Base de Datos de Microsoft Access |*.MDB" -> "Base de Datos de Microsoft Access (*.MDB)"
QString qtFilter(const QString& filter)
{
    const auto bar = filter.indexOf(u'|');
    if (bar < 0) return filter;
    return filter.left(bar).trimmed() + " (" + filter.mid(bar + 1).trimmed() + ")";
}

}  // namespace

int QtDialogs::messageBox(const QString& prompt, int buttons, const QString& title)
{
    QMessageBox box(qtIcon(buttons), title, prompt, QMessageBox::NoButton, QApplication::activeWindow());
    // Prompts carry database texts and error descriptions: never markup.
    box.setTextFormat(Qt::PlainText);
    QHash<QAbstractButton*, int> resultOf;
    const int defaultResult = vb::DefaultResult(buttons);
    for (int result : vb::ButtonResults(buttons)) {
        QPushButton* button = box.addButton(captionOf(result), roleOf(result));
        resultOf.insert(button, result);
        if (result == defaultResult) box.setDefaultButton(button);
        if (result == vb::vbCancel || (result == vb::vbOK && resultOf.size() == 1)) box.setEscapeButton(button);
    }
    box.exec();
    return resultOf.value(box.clickedButton(), vb::vbCancel);
}

QString QtDialogs::inputBox(const QString& prompt, const QString& title, const QString& initial)
{
    bool accepted = false;
    const QString text =
        QInputDialog::getText(QApplication::activeWindow(), title, prompt, QLineEdit::Normal, initial, &accepted);
    return accepted ? text : QString();
}

std::optional<QString> QtDialogs::openFile(const QString& title, const QString& filter)
{
    const QString path = QFileDialog::getOpenFileName(QApplication::activeWindow(), title, {}, qtFilter(filter));
    if (path.isEmpty()) return std::nullopt;
    return path;
}

void QtDialogs::showModal(QDialog& window) { window.exec(); }
