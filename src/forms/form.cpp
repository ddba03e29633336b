#include "form.h"

#include "direction.h"
#include "label.h"
#include "labelaccessible.h"
#include "labelarea.h"
#include "menuitem.h"
#include "taskbar.h"
#include "twips.h"
#include "windowscale.h"

#include <QAccessibleWidget>
#include <QApplication>
#include <QCloseEvent>
#include <QContextMenuEvent>
#include <QEventLoop>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QIcon>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QScreen>
#include <QStyle>
#include <QVBoxLayout>
#include <QWidget>
#include <QWindow>

#include <algorithm>
#include <vector>

namespace forms {

namespace {

std::vector<Form *> &liveForms()
{
    static std::vector<Form *> forms;
    return forms;
}

Qt::WindowFlags flagsFor(const FormDesign &design)
{
    Qt::WindowFlags flags = design.border == WindowBorder::FixedDialog ? Qt::Dialog : Qt::Window;
    flags |= Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
             Qt::WindowCloseButtonHint;
    if (design.minButton)
        flags |= Qt::WindowMinimizeButtonHint;
    if (design.maxButton)
        flags |= Qt::WindowMaximizeButtonHint;
    return flags;
}

} // namespace

// The part of a window below its menu bar; a click that no control keeps lands here, and so
// does every right click. It tells its window when it gets and loses the keyboard focus.
class ClientArea : public LabelArea {
public:
    ClientArea(QWidget *window, Form &form) : LabelArea(window), m_form(form) {}

protected:
    void areaClick() override
    {
        if (!m_form.m_gone)
            m_form.Form_Click();
    }
    void contextMenuEvent(QContextMenuEvent *event) override
    {
        const TwipsScale &scale = TwipsScale::of(*this);
        const QPoint at = scale.shown(event->pos()); // where the design has it
        if (event->reason() == QContextMenuEvent::Mouse && !m_form.m_gone)
            m_form.Form_ContextMenu(false, scale.twips(at.x()), scale.twips(at.y()));
    }
    void ownFocusChanged(bool has) override
    {
        if (m_form.m_gone)
            return;
        if (has)
            m_form.Form_GotFocus();
        else
            m_form.Form_LostFocus();
    }

private:
    Form &m_form;
};

namespace {

// A key that shows where the focus is, as browsers and GTK have it: one that moves the focus or
// acts on what has it, not a shortcut, a modifier or a lock key.
bool showsFocus(const QKeyEvent &key)
{
    constexpr auto shortcut = Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier;
    static const int moving[] = {Qt::Key_Tab,    Qt::Key_Backtab,  Qt::Key_Left,   Qt::Key_Right,
                                 Qt::Key_Up,     Qt::Key_Down,     Qt::Key_Home,   Qt::Key_End,
                                 Qt::Key_PageUp, Qt::Key_PageDown, Qt::Key_Return, Qt::Key_Enter,
                                 Qt::Key_Space,  Qt::Key_Escape,   Qt::Key_Menu,   Qt::Key_F10};
    return !(key.modifiers() & shortcut) &&
           std::find(std::begin(moving), std::end(moving), key.key()) != std::end(moving);
}

qint16 keyCodeOf(int key)
{
    static const std::pair<int, qint16> codes[] = {{Qt::Key_Tab, Key::Tab},
                                                   {Qt::Key_Return, Key::Return},
                                                   {Qt::Key_Enter, Key::Return},
                                                   {Qt::Key_Escape, Key::Escape},
                                                   {Qt::Key_Space, Key::Space},
                                                   {Qt::Key_PageUp, Key::PageUp},
                                                   {Qt::Key_PageDown, Key::PageDown},
                                                   {Qt::Key_Left, Key::Left},
                                                   {Qt::Key_Up, Key::Up},
                                                   {Qt::Key_Right, Key::Right},
                                                   {Qt::Key_Down, Key::Down}};
    for (const auto &[qtKey, code] : codes)
        if (qtKey == key)
            return code;
    return key >= Qt::Key_A && key <= Qt::Key_Z ? qint16(key) : 0;
}

qint16 shiftStateOf(Qt::KeyboardModifiers modifiers)
{
    return qint16((modifiers & Qt::ShiftModifier ? ShiftMask : 0) |
                  (modifiers & Qt::ControlModifier ? CtrlMask : 0) |
                  (modifiers & Qt::AltModifier ? AltMask : 0));
}

} // namespace

class FormWindow : public QWidget {
public:
    FormWindow(Form &form, Qt::WindowFlags flags) : QWidget(nullptr, flags), m_form(form) {}

    bool isDialog() const { return m_form.m_design.border == WindowBorder::FixedDialog; }

protected:
    void closeEvent(QCloseEvent *event) override { event->setAccepted(m_form.unload()); }

private:
    Form &m_form;
};

namespace {

// Screen readers announce a window as a frame and the About-style box as a dialog, which has no
// description of its own: its labels carry every text (see labelaccessible.cpp).
class FormWindowAccessible : public QAccessibleWidget {
public:
    explicit FormWindowAccessible(FormWindow *window)
        : QAccessibleWidget(window, window->isDialog() ? QAccessible::Dialog : QAccessible::Window)
    {
    }
};

// A window's client area is its first child widget (its menu bar comes later); Qt may ask for it
// while it is still being made, so it is known by its place.
QAccessibleInterface *formWindowFactory(const QString &, QObject *object)
{
    if (auto *window = dynamic_cast<FormWindow *>(object))
        return new FormWindowAccessible(window);
    auto *widget = qobject_cast<QWidget *>(object);
    auto *window = widget ? dynamic_cast<FormWindow *>(widget->parentWidget()) : nullptr;
    if (window && window->findChild<QWidget *>(QString(), Qt::FindDirectChildrenOnly) == widget)
        return areaAccessible(widget);
    return nullptr;
}

// Windows that show the same icon share it: its image is read once.
QIcon iconFrom(const char *resource)
{
    static std::vector<std::pair<const char *, QIcon>> read;
    for (const auto &[name, icon] : read)
        if (qstrcmp(name, resource) == 0)
            return icon;
    return read.emplace_back(resource, QIcon(QString::fromLatin1(resource))).second;
}

} // namespace

Form::Form(const FormDesign &design) : m_design(design)
{
    static const bool accessible = (QAccessible::installFactory(formWindowFactory), true);
    Q_UNUSED(accessible);
    liveForms().push_back(this);
    m_window = new FormWindow(*this, flagsFor(design));
    m_window->setWindowTitle(design.caption);
    if (design.icon)
        m_window->setWindowIcon(iconFrom(design.icon));
    m_window->setFont(resolveFont(FontSpec{}));

    auto *layout = new QVBoxLayout(m_window);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    m_client = new ClientArea(m_window, *this);
    m_client->setObjectName(QStringLiteral("client"));
    layout->addWidget(m_client);
    m_scale = &TwipsScale::of(*m_client);
    connect(m_scale, &TwipsScale::changed, this, &Form::layOutAgain);
    m_windowScale =
        new WindowScale(*m_window, *m_scale, QSizeF(design.clientWidth, design.clientHeight));

    if (design.keyPreview) {
        // The window's own area holds the focus at start, so that keys reach the window's
        // handler and no control shows a focus ring.
        m_client->setOwnFocusStop(true);
        m_client->setFocus();
        qApp->installEventFilter(this);
    }

    if (design.border != WindowBorder::Sizable) {
        m_client->setFixedSize(designedClientSize());
        layout->setSizeConstraint(QLayout::SetFixedSize);
    }
}

QSize Form::designedClientSize() const
{
    return {m_scale->pixels(m_design.clientWidth), m_scale->pixels(m_design.clientHeight)};
}

void Form::layOutAgain()
{
    if (m_design.border != WindowBorder::Sizable)
        m_client->setFixedSize(designedClientSize());
    const std::vector<Label *> labels = m_client->labels();
    for (Label *label : labels)
        label->standAsDesigned();
    m_window->update();
}

void Form::setResolution(double dpi)
{
    m_windowScale->fixDpi(dpi);
}

double Form::zoom() const
{
    return m_windowScale->zoom();
}

bool Form::canZoomIn() const
{
    return m_windowScale->canZoomIn();
}

bool Form::canZoomOut() const
{
    return m_windowScale->canZoomOut();
}

void Form::zoomIn()
{
    m_windowScale->zoomIn();
}

void Form::zoomOut()
{
    m_windowScale->zoomOut();
}

void Form::actualSize()
{
    m_windowScale->actualSize();
}

Form::~Form()
{
    forget();
    delete m_window;
}

void Form::forget()
{
    if (m_slot && *m_slot == this)
        *m_slot = nullptr;
    m_slot = nullptr;
    auto &forms = liveForms();
    forms.erase(std::remove(forms.begin(), forms.end(), this), forms.end());
}

MenuItem &Form::addPopupMenu()
{
    auto *menu = new QMenu(m_window);
    return *new MenuItem(menu->menuAction(), menu, this);
}

void Form::popupMenu(MenuItem &menu, float x, float y)
{
    menu.submenu()->popup(
        m_client->mapToGlobal(m_scale->shown(QPoint(m_scale->pixels(x), m_scale->pixels(y)))));
}

void Form::useLightColours()
{
    m_window->setPalette(m_window->style()->standardPalette());
}

MenuItem &Form::addMenu(const QString &caption)
{
    if (!m_menuBar) {
        m_menuBar = new QMenuBar(m_window);
        m_window->layout()->setMenuBar(m_menuBar);
    }
    QMenu *menu = m_menuBar->addMenu(caption);
    return *new MenuItem(menu->menuAction(), menu, this);
}

void Form::placeAtStart()
{
    if (m_placed)
        return;
    m_placed = true;
    m_window->winId();
    m_windowScale->followScreen();
    if (m_design.border == WindowBorder::Sizable) {
        const int menuHeight = m_menuBar ? m_menuBar->sizeHint().height() : 0;
        m_window->resize(designedClientSize() + QSize(0, menuHeight));
    }
    m_window->layout()->activate();
    QScreen *screen = m_window->screen();
    switch (m_design.startPosition) {
    case StartPosition::Default:
        break;
    case StartPosition::CenterScreen:
        m_window->move(screen->geometry().center() - m_window->rect().center());
        break;
    case StartPosition::Manual:
        // The designed position is the client area's, so the frame goes around it; it is
        // measured from the screen's right edge where the window is mirrored.
        m_window->setGeometry(QStyle::visualRect(
            m_window->layoutDirection(), screen->geometry(),
            QRect(screen->geometry().topLeft() +
                      QPoint(m_scale->pixels(m_design.left), m_scale->pixels(m_design.top)),
                  m_window->size())));
        break;
    }
    if (!m_design.showInTaskbar)
        keepOutOfTaskbar(m_window);
}

void Form::show()
{
    placeAtStart();
    m_window->show();
    m_window->raise();
    m_window->activateWindow();
}

void Form::showModal(const Form &owner)
{
    QEventLoop loop;
    connect(this, &Form::unloaded, &loop, &QEventLoop::quit);
    m_window->setWindowModality(Qt::ApplicationModal);
    // The window system learns whose dialog this is: WM_TRANSIENT_FOR on X11, the toplevel's
    // parent on Wayland.
    m_window->winId();
    m_window->windowHandle()->setTransientParent(owner.m_window->windowHandle());
    m_owner = owner.m_window;
    show();
    if (!m_gone)
        loop.exec();
}

void Form::hide()
{
    m_window->hide();
}

bool Form::unload()
{
    if (m_gone)
        return true;
    qint16 cancel = 0;
    Form_Unload(cancel);
    if (cancel != 0)
        return false;
    if (!m_gone) // Form_Unload may have ended the program, and this window with it
        dispose();
    return true;
}

void Form::destroyAll()
{
    const std::vector<Form *> forms = liveForms();
    for (Form *form : forms)
        form->dispose();
}

// Gone at once for the program; the objects themselves go once the current event is handled,
// since this may run inside one of the window's own handlers.
void Form::dispose()
{
    m_gone = true;
    forget();
    m_window->hide();
    if (m_owner && m_owner->isVisible()) // the keys go back to the window the dialog was of
        m_owner->windowHandle()->requestActivate();
    emit unloaded();
    deleteLater();
}

void Form::setWindowStateNormal()
{
    m_window->setWindowState(m_window->windowState() &
                             ~(Qt::WindowMinimized | Qt::WindowMaximized));
}

QString Form::caption() const
{
    return m_window->windowTitle();
}

void Form::setCaption(const QString &caption)
{
    m_window->setWindowTitle(caption);
}

QWidget *Form::window() const
{
    return m_window;
}

LabelArea *Form::client() const
{
    return m_client;
}

QObject *Form::activeControl() const
{
    QWidget *focus = m_window->focusWidget();
    if (focus == m_client)
        return m_client->focusLabel();
    return focus;
}

void Form::setFocus()
{
    m_client->setFocusLabel(nullptr);
    m_client->setFocus(Qt::OtherFocusReason);
}

// Keys meant for this window go to its key handler first, whichever of its controls has the
// focus; keys for its menus and for other windows are left alone. The Menu key and Shift+F10
// ask for the context menu on every platform; where the platform turns the Menu key into a
// request of its own, that one is dropped, so that the menu opens once.
bool Form::eventFilter(QObject *watched, QEvent *event)
{
    const bool keyPress = event->type() == QEvent::KeyPress;
    if (event->type() == QEvent::MouseButtonPress && watched->isWidgetType() &&
        static_cast<QWidget *>(watched)->window() == m_window)
        setFocusVisible(m_window, false);
    if (event->type() == QEvent::Wheel && m_design.zoomable && watched->isWidgetType() &&
        static_cast<QWidget *>(watched)->window() == m_window)
        return m_windowScale->zoomEvent(*event);
    const bool platformMenu =
        event->type() == QEvent::ContextMenu &&
        static_cast<QContextMenuEvent *>(event)->reason() == QContextMenuEvent::Keyboard;
    if ((!keyPress && !platformMenu) || m_gone)
        return false;
    QWidget *target = m_window->focusWidget() ? m_window->focusWidget() : m_window;
    if (watched != target)
        return false;
    if (keyPress && showsFocus(*static_cast<QKeyEvent *>(event)))
        setFocusVisible(m_window, true);
    // A menu bar that the keyboard has entered (Alt, F10) holds the focus itself.
    if (target != m_window && target != m_client && !m_client->isAncestorOf(target))
        return false;
    if (platformMenu)
        return true;
    const auto *key = static_cast<QKeyEvent *>(event);
    if (m_design.zoomable && m_windowScale->zoomEvent(*key))
        return true;
    if (key->key() == Qt::Key_Menu ||
        (key->key() == Qt::Key_F10 && key->modifiers() == Qt::ShiftModifier)) {
        Form_ContextMenu(true, 0, 0);
        return true;
    }
    if (key->key() == Qt::Key_F10 && key->modifiers() == Qt::NoModifier && m_menuBar &&
        !m_menuBar->actions().isEmpty()) {
        // As Alt and the first menu's key would: that menu opens with its first item current,
        // which setActiveAction alone leaves unset (on every Qt 6).
        QAction *first = m_menuBar->actions().first();
        m_menuBar->setActiveAction(first);
        if (QMenu *menu = first->menu(); menu && menu->isVisible()) {
            const auto items = menu->actions();
            const auto item = std::find_if(items.begin(), items.end(), [](const QAction *a) {
                return a->isVisible() && a->isEnabled() && !a->isSeparator();
            });
            if (item != items.end())
                menu->setActiveAction(*item);
        }
        return true;
    }
    qint16 code = keyCodeOf(asDesigned(*m_window, key->key()));
    if (code == 0)
        return false;
    Form_KeyDown(code, shiftStateOf(key->modifiers()));
    return code == 0;
}

} // namespace forms
