#include "toolkit/control.h"

#include <utility>

#include "toolkit/accessible_name.h"
#include "toolkit/container.h"
#include "toolkit/error.h"
#include "toolkit/module.h"
#include "toolkit/text.h"

namespace kadrion::toolkit {

namespace {
// The window property that leads from a handle back to its wrapper.
constexpr wchar_t kWrapperProperty[] = L"Kadrion.Control";
}  // namespace

Control::~Control() {
  if (parent_) parent_->Remove(this);
  if (hwnd_ && FromHandle(hwnd_) == this) {
    RemovePropW(hwnd_, kWrapperProperty);
    DestroyWindow(hwnd_);
  }
}

Control* Control::FromHandle(HWND hwnd) {
  return hwnd ? static_cast<Control*>(GetPropW(hwnd, kWrapperProperty)) : nullptr;
}

void Control::Attach(HWND hwnd) {
  SetPropW(hwnd, kWrapperProperty, this);
}

void Control::CreateHandle(const wchar_t* className, const wchar_t* text, DWORD style,
                           DWORD exStyle, Container* parent, int id, RECT bounds, void* param) {
  parent_ = parent;
  if (parent && !font_) font_ = parent->font_;
  HWND parentHandle = parent ? parent->Handle() : nullptr;
  auto menu = reinterpret_cast<HMENU>(static_cast<INT_PTR>(parent ? id : 0));
  HWND hwnd = CreateWindowExW(exStyle, className, text, style, bounds.left, bounds.top,
                              bounds.right - bounds.left, bounds.bottom - bounds.top, parentHandle,
                              menu, ProgramModule(), param);
  if (!hwnd) ThrowSystemError(L"Nie można utworzyć okna klasy " + std::wstring(className) + L".");
  hwnd_ = hwnd;
  Attach(hwnd);
  if (parent) parent->Add(this);
  if (font_) ApplyFont();
}

int Control::Id() const {
  return GetDlgCtrlID(hwnd_);
}

void Control::SetBounds(int left, int top, int width, int height) {
  MoveWindow(hwnd_, left, top, width, height, TRUE);
}

RECT Control::Bounds() const {
  RECT rect{};
  GetWindowRect(hwnd_, &rect);
  if (GetWindowLongW(hwnd_, GWL_STYLE) & WS_CHILD)
    MapWindowPoints(HWND_DESKTOP, GetParent(hwnd_), reinterpret_cast<POINT*>(&rect), 2);
  return rect;
}

void Control::SetVisible(bool visible) {
  ShowWindow(hwnd_, visible ? SW_SHOWNOACTIVATE : SW_HIDE);
  if (parent_) parent_->Realign();
}

bool Control::Visible() const {
  return (GetWindowLongW(hwnd_, GWL_STYLE) & WS_VISIBLE) != 0;
}

void Control::SetEnabled(bool enabled) {
  EnableWindow(hwnd_, enabled);
}

bool Control::Enabled() const {
  return IsWindowEnabled(hwnd_) != 0;
}

void Control::Focus() {
  SetFocus(hwnd_);
}

void Control::SetTabStop(TabStop stop) {
  const LONG_PTR style = GetWindowLongPtrW(hwnd_, GWL_STYLE);
  SetWindowLongPtrW(hwnd_, GWL_STYLE,
                    stop == TabStop::Yes ? style | WS_TABSTOP : style & ~LONG_PTR{WS_TABSTOP});
}

void Control::SetAccessibleName(std::wstring name) {
  if (!accessibleName_) accessibleName_ = std::make_unique<AccessibleName>();
  accessibleName_->Attach(hwnd_, std::move(name));
}

std::wstring Control::WText() const {
  const int length = GetWindowTextLengthW(hwnd_);
  std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
  const int copied = GetWindowTextW(hwnd_, text.data(), length + 1);
  text.resize(static_cast<std::size_t>(copied));
  return text;
}

void Control::SetWText(const std::wstring& text) {
  SetWindowTextW(hwnd_, text.c_str());
}

std::string Control::Text() const {
  return ToCp1250(WText());
}

void Control::SetText(std::string_view bytes) {
  SetWText(FromCp1250(bytes));
}

void Control::SetFont(std::shared_ptr<const Font> font) {
  font_ = std::move(font);
  if (hwnd_) ApplyFont();
}

FontInfo Control::GetFont() const {
  return font_ ? font_->Info() : FontInfo{};
}

void Control::ApplyFont() {
  SendMessageW(hwnd_, WM_SETFONT, reinterpret_cast<WPARAM>(font_->Handle()), TRUE);
}

void Control::SetColor(COLORREF color) {
  color_ = color;
  brush_.Reset(CreateSolidBrush(color));
  if (hwnd_) {
    ApplyColor();
    InvalidateRect(hwnd_, nullptr, TRUE);
  }
}

COLORREF Control::Color() const {
  return color_.value_or(GetSysColor(COLOR_WINDOW));
}

HBRUSH Control::HandleCtlColor(HDC dc) {
  if (font_) SetTextColor(dc, font_->Info().color);
  if (!color_) return nullptr;
  SetBkColor(dc, *color_);
  return brush_.Get();
}

bool IsTextField(HWND window) {
  wchar_t name[16] = L"";
  return window && GetClassNameW(window, name, 16) && lstrcmpiW(name, L"Edit") == 0;
}

}  // namespace kadrion::toolkit
