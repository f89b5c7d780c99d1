#include "widgets/FormLook.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QFile>
#include <QImageReader>
#include <QLabel>
#include <QRadioButton>
#include <QScreen>
#include <QVariant>
#include <QWidget>

// The pictures are compiled into this static library; nothing else would make
// the linker keep them. Outside any namespace, as Q_INIT_RESOURCE requires.
static void initPictures()
{
    Q_INIT_RESOURCE(resources);
}

namespace FormLook
{

namespace
{
    void applyPixelFont(QWidget* widget)
    {
        const QVariant size = widget->property("fontPixelSize");
        if (!size.isValid()) return;
        QFont font = widget->font();
        font.setPixelSize(size.toInt());
        widget->setFont(font);
    }
} // namespace

void applyPixelFonts(QWidget* root)
{
    applyPixelFont(root);
    const auto children = root->findChildren<QWidget*>();
    for (QWidget* child : children)
        applyPixelFont(child);
}

namespace
{
    QString variant(QString resource, QLatin1StringView suffix)
    {
        const qsizetype dot = resource.lastIndexOf(u'.');
        return resource.insert(dot < 0 ? resource.size() : dot, suffix);
    }

    QPixmap readPng(const QString& resource)
    {
        QImageReader reader(resource, "png");
        reader.setAutoDetectImageFormat(false);
        return QPixmap::fromImage(reader.read());
    }
} // namespace

QPixmap picture(const QString& resource, qreal devicePixelRatio)
{
    static const bool resourcesReady = (initPictures(), true);
    Q_UNUSED(resourcesReady);
    if (devicePixelRatio > 1) {
        const QString sharp = variant(resource, QLatin1StringView("@2x"));
        if (QFile::exists(sharp)) {
            QPixmap pixmap = readPng(sharp);
            pixmap.setDevicePixelRatio(2);
            return pixmap;
        }
    }
    return readPng(resource);
}

QIcon iconPicture(const QString& resource, qreal devicePixelRatio)
{
    QIcon icon;
    icon.addPixmap(picture(resource, devicePixelRatio));
    const QString disabled = variant(resource, QLatin1StringView("_disabled"));
    if (QFile::exists(disabled)) icon.addPixmap(picture(disabled, devicePixelRatio), QIcon::Disabled);
    return icon;
}

void applyPictures(QWidget* root)
{
    const qreal ratio = root->devicePixelRatio();
    const auto children = root->findChildren<QWidget*>();
    for (QWidget* child : children) {
        if (const QVariant name = child->property("picture"); name.isValid()) {
            if (auto* label = qobject_cast<QLabel*>(child)) label->setPixmap(picture(name.toString(), ratio));
        } else if (const QVariant icon = child->property("iconPicture"); icon.isValid()) {
            if (auto* button = qobject_cast<QAbstractButton*>(child))
                button->setIcon(iconPicture(icon.toString(), ratio));
        }
    }
}

void setTextColor(QWidget* widget, const QColor& color)
{
    if (widget->palette().color(QPalette::WindowText) == color && widget->palette().color(QPalette::Text) == color)
        return;
    QPalette palette = widget->palette();
    palette.setColor(QPalette::WindowText, color);
    palette.setColor(QPalette::Text, color);
    widget->setPalette(palette);
}

QColor textColor(const QWidget* widget)
{
    return widget->palette().color(QPalette::WindowText);
}

void setPanelColor(QWidget* panel, const QColor& color)
{
    if (panel->autoFillBackground() && panel->palette().color(QPalette::Window) == color) return;
    QPalette palette = panel->palette();
    palette.setColor(QPalette::Window, color);
    panel->setPalette(palette);
    panel->setAutoFillBackground(true);
}

QColor panelColor(const QWidget* panel)
{
    return panel->palette().color(QPalette::Window);
}

QColor buttonFace()
{
    return QApplication::palette().color(QPalette::Button);
}

void tabToCheckedRadioButtons(QWidget* window)
{
    auto setTabStop = [](QRadioButton* button, bool checked) {
        const int policy = button->focusPolicy();
        button->setFocusPolicy(Qt::FocusPolicy(checked ? policy | Qt::TabFocus : policy & ~Qt::TabFocus));
    };
    const auto buttons = window->findChildren<QRadioButton*>();
    for (QRadioButton* button : buttons) {
        setTabStop(button, button->isChecked());
        QObject::connect(button, &QRadioButton::toggled, button, [=](bool checked) { setTabStop(button, checked); });
    }
}

void fitToControls(QWidget* window, int border)
{
    const QRect controls = window->childrenRect();
    window->setFixedSize(controls.right() + 1 + border, controls.bottom() + 1 + border);
}

void centerOnScreen(QWidget* window)
{
    const QScreen* screen = window->screen() ? window->screen() : QGuiApplication::primaryScreen();
    if (!screen) return;
    QRect frame = window->frameGeometry();
    frame.moveCenter(screen->availableGeometry().center());
    window->move(frame.topLeft());
}

void present(QWidget* window)
{
    window->show();
    window->raise();
    window->activateWindow();
}

} // namespace FormLook
