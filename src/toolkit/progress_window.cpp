#include "toolkit/progress_window.h"

#include <algorithm>
#include <cstdint>
#include <memory>
#include <utility>

#include "toolkit/background_work.h"
#include "toolkit/dpi.h"
#include "toolkit/font.h"

namespace kadrion::toolkit {

namespace {

constexpr int kCountId = 1;
constexpr int kBarId = 3;
constexpr int kSteps = 1000;  // the bar's range when the total is known

// The client area's design size at 96 dpi, and where its controls sit.
constexpr int kWidth = 360;
constexpr int kHeight = 96;
constexpr int kMargin = 12;

// The font dialogs of the system are written in.
FontInfo MessageFont() {
  NONCLIENTMETRICSW metrics{};
  metrics.cbSize = sizeof metrics;
  if (!SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0))
    return FontInfo{};
  return FromLogFont(metrics.lfMessageFont, GetSysColor(COLOR_BTNTEXT));
}

}  // namespace

std::wstring GroupedCount(std::size_t count) {
  std::wstring digits = std::to_wstring(count);
  for (auto at = static_cast<std::ptrdiff_t>(digits.size()) - 3; at > 0; at -= 3)
    digits.insert(static_cast<std::size_t>(at), 1, L' ');
  return digits;
}

void ProgressBar::Create(Container& parent, int id, RECT bounds) {
  CreateHandle(PROGRESS_CLASSW, L"", WS_CHILD | WS_VISIBLE, 0, &parent, id, bounds);
  SendMessageW(hwnd_, PBM_SETRANGE32, 0, kSteps);
}

void ProgressBar::Show(std::size_t done, std::size_t total) {
  const bool marquee = total == 0;
  if (marquee != marquee_) {
    marquee_ = marquee;
    const LONG_PTR style = GetWindowLongPtrW(hwnd_, GWL_STYLE);
    SetWindowLongPtrW(hwnd_, GWL_STYLE, marquee ? style | PBS_MARQUEE : style & ~PBS_MARQUEE);
    SendMessageW(hwnd_, PBM_SETMARQUEE, marquee, 30);
  }
  if (marquee) return;
  const auto step = static_cast<std::uint64_t>(std::min(done, total)) * kSteps / total;
  SendMessageW(hwnd_, PBM_SETPOS, static_cast<WPARAM>(step), 0);
}

ProgressWindow::ProgressWindow(HWND owner, const ProgressTexts& texts,
                               std::function<void()> onCancel)
    : Form(kProgressWindowClass), countLabel_(texts.countLabel), onCancel_(std::move(onCancel)) {
  CreateForm(texts.caption, RECT{0, 0, Scaled(kWidth), Scaled(kHeight)});
  // A dialog's frame: not sizeable, no minimise or maximise box, no button on the taskbar
  // (it belongs to its owner).
  const HWND window = Handle();
  SetWindowLongPtrW(window, GWL_STYLE, WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN);
  SetWindowLongPtrW(window, GWL_EXSTYLE,
                    GetWindowLongPtrW(window, GWL_EXSTYLE) | WS_EX_DLGMODALFRAME);
  SetWindowLongPtrW(window, GWLP_HWNDPARENT, reinterpret_cast<LONG_PTR>(owner));
  CentreOver(owner);

  Client().SetFont(std::make_shared<const Font>(MessageFont()));
  const int inner = kWidth - 2 * kMargin;
  count_.Create(Client(), kCountId, L"", ScaledRect(kMargin, kMargin, inner, 16));
  bar_.Create(Client(), kBarId, ScaledRect(kMargin, 34, inner, 18));
  bar_.SetAccessibleName(L"Postęp");
  cancel_.Create(Client(), IDCANCEL, L"Anuluj", ScaledRect(kWidth - kMargin - 75, 62, 75, 23));
  cancel_.onClick = [this] { RequestCancel(); };
  onKey = [this](KeyChord chord) {
    if (chord.key != VK_ESCAPE) return false;
    RequestCancel();
    return true;
  };
  // The close box and Alt+F4 cancel; the window itself goes when the work has stopped.
  onCloseQuery = [this] {
    RequestCancel();
    return false;
  };
  Update(0, 0);
  Show();
  cancel_.Focus();
}

void ProgressWindow::CentreOver(HWND owner) {
  RECT outer{0, 0, Scaled(kWidth), Scaled(kHeight)};
  const auto style = static_cast<DWORD>(GetWindowLongPtrW(Handle(), GWL_STYLE));
  const auto exStyle = static_cast<DWORD>(GetWindowLongPtrW(Handle(), GWL_EXSTYLE));
  AdjustWindowRectEx(&outer, style, FALSE, exStyle);
  const int width = outer.right - outer.left, height = outer.bottom - outer.top;

  MONITORINFO monitor{};
  monitor.cbSize = sizeof monitor;
  GetMonitorInfoW(MonitorFromWindow(owner, MONITOR_DEFAULTTOPRIMARY), &monitor);
  RECT over = monitor.rcWork;
  if (owner && IsWindowVisible(owner) && !IsIconic(owner)) GetWindowRect(owner, &over);
  const RECT& work = monitor.rcWork;
  const int left = std::clamp((over.left + over.right - width) / 2, work.left,
                              std::max(work.left, work.right - width));
  const int top = std::clamp((over.top + over.bottom - height) / 2, work.top,
                             std::max(work.top, work.bottom - height));
  SetWindowPos(Handle(), nullptr, left, top, width, height,
               SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
}

void ProgressWindow::Update(std::size_t done, std::size_t total) {
  if (cancelling_) return;
  const std::wstring text = countLabel_ + L": " + GroupedCount(done);
  if (count_.WText() != text) count_.SetCaption(text);
  bar_.Show(done, total);
}

void ProgressWindow::RequestCancel() {
  if (cancelling_) return;
  cancelling_ = true;
  count_.SetCaption(L"Anulowanie…");
  cancel_.SetEnabled(false);
  if (onCancel_) onCancel_();
}

}  // namespace kadrion::toolkit
