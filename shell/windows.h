#pragma once

#include <QObject>
#include <QPointer>
#include <QWidget>
#include <array>

enum class WindowKind { Form1, FormPL, FormSO, FormWN, FormMF, FormRF, FormFM, FormTG };

// The windows of one run: at most one instance of each kind, created (with its load step) the
// first time it is shown or hidden, kept while hidden, discarded by its close box.
//
// Closing rules: the menu's close box ends the application; a query window's or the chooser's
// close box shows the menu again; a sheet's close box shows the chooser again. So exactly one
// window is on screen while the program runs.
class Windows : public QObject
{
    Q_OBJECT
public:
    Windows();
    ~Windows() override;
    Q_DISABLE_COPY_MOVE(Windows)

    // The registry of the running application.
    static Windows &instance();

    void show(WindowKind kind);
    void hide(WindowKind kind);
    // The instance, created if absent.
    QWidget *window(WindowKind kind);
    // The instance if loaded, else nullptr.
    QWidget *existing(WindowKind kind) const;

    // "返回" of a query window: the menu first, then hide the query window.
    void returnToMenu(WindowKind from);
    // "退  出": hide the menu, then end the application.
    void exitApplication();

signals:
    // The application should end now.
    void quitRequested();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QWidget *create(WindowKind kind);
    void closed(WindowKind kind);

    std::array<QPointer<QWidget>, 8> m_windows;
};
