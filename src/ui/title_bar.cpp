// SPDX-License-Identifier: GPL-3.0-or-later
#include "title_bar.h"

#include <QEvent>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QStyle>
#include <QToolButton>
#include <QWidget>
#include <QWindow>

#if QUORVEL_WAYLAND_CLIENT
#include <wayland-client.h>

#include <cstring>
#endif

namespace quorvel {
namespace {

// Whether the compositor offers to draw title bars itself (the xdg-decoration
// protocol), which Qt then asks it to do.
bool CompositorDecorates() {
#if QUORVEL_WAYLAND_CLIENT
  wl_display* display = wl_display_connect(nullptr);
  if (display == nullptr) {
    return true;
  }
  bool offered = false;
  static const wl_registry_listener listener = {
      [](void* data, wl_registry* /*registry*/, uint32_t /*name*/, const char* interface,
         uint32_t /*version*/) {
        if (std::strcmp(interface, "zxdg_decoration_manager_v1") == 0) {
          *static_cast<bool*>(data) = true;
        }
      },
      [](void* /*data*/, wl_registry* /*registry*/, uint32_t /*name*/) {}};
  wl_registry* registry = wl_display_get_registry(display);
  wl_registry_add_listener(registry, &listener, &offered);
  wl_display_roundtrip(display);
  wl_registry_destroy(registry);
  wl_display_disconnect(display);
  return offered;
#else
  return true;
#endif
}

bool NeedsOwnTitleBar() {
  static const bool needed =
      QGuiApplication::platformName() == QLatin1String("wayland") && !CompositorDecorates();
  return needed;
}

class TitleBar : public QWidget {
 public:
  static constexpr int kBorder = 1;

  explicit TitleBar(QWidget* window) : QWidget(window), window_(window) {
    setObjectName(QStringLiteral("titleBar"));
    setBackgroundRole(QPalette::Button);
    setAutoFillBackground(true);
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(6, 2, 2, 2);
    auto* icon = new QLabel(this);
    const int iconSize = style()->pixelMetric(QStyle::PM_SmallIconSize);
    icon->setPixmap(window->windowIcon().pixmap(iconSize));
    title_ = new QLabel(window->windowTitle(), this);
    title_->setForegroundRole(QPalette::ButtonText);
    auto* close = new QToolButton(this);
    close->setObjectName(QStringLiteral("titleBarClose"));
    close->setIcon(style()->standardIcon(QStyle::SP_TitleBarCloseButton));
    close->setAutoRaise(true);
    // The window's own keys close it (Esc, 終了); Tab stays among its fields.
    close->setFocusPolicy(Qt::NoFocus);
    close->setAccessibleName(QString::fromUtf8("閉じる"));
    connect(close, &QToolButton::clicked, window, &QWidget::close);
    layout->addWidget(icon);
    layout->addWidget(title_, 1);
    layout->addWidget(close);
    // Room for the bar, and for a line round the window: without the
    // compositor's frame, a box would melt into the window below it.
    window->setContentsMargins(kBorder, kBorder + sizeHint().height(), kBorder, kBorder);
    window->installEventFilter(this);
  }

 protected:
  bool eventFilter(QObject* /*watched*/, QEvent* event) override {
    switch (event->type()) {
      case QEvent::Resize:
        setGeometry(kBorder, kBorder, window_->width() - 2 * kBorder, sizeHint().height());
        break;
      case QEvent::WindowTitleChange:
        title_->setText(window_->windowTitle());
        break;
      case QEvent::Paint: {
        // The window paints nothing of its own in its margins.
        QPainter painter(window_);
        painter.setPen(palette().color(QPalette::WindowText));
        painter.drawRect(window_->rect().adjusted(0, 0, -1, -1));
        break;
      }
      default:
        break;
    }
    return false;
  }

  void mousePressEvent(QMouseEvent* event) override {
    if (event->button() == Qt::LeftButton && window_->windowHandle() != nullptr) {
      window_->windowHandle()->startSystemMove();
    }
  }

  void paintEvent(QPaintEvent* event) override {
    QWidget::paintEvent(event);
    QPainter painter(this);
    painter.setPen(palette().color(QPalette::Mid));
    painter.drawLine(0, height() - 1, width(), height() - 1);
  }

 private:
  QWidget* window_;
  QLabel* title_;
};

}  // namespace

void UseOwnTitleBarWhereNeeded(QWidget* window) {
  if (!NeedsOwnTitleBar()) {
    return;
  }
  // The title-bar hints would take the frame back: Qt keeps them consistent.
  window->setWindowFlags(window->windowType() | Qt::FramelessWindowHint);
  new TitleBar(window);
}

}  // namespace quorvel
