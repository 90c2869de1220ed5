#include "toolkit/controls.h"

#include <algorithm>

#include "core/ini_value.h"
#include "toolkit/clipboard.h"
#include "toolkit/container.h"
#include "toolkit/gdi.h"
#include "toolkit/text.h"

namespace kadrion::toolkit {

namespace {
constexpr DWORD kChild = WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS;

// Replaces the selection of a one-line edit window by `line`, cut to the room its limit leaves
// (a digits-only edit takes the line whole or not at all).
void ReplaceSelection(HWND edit, std::wstring line) {
  DWORD start = 0;
  DWORD end = 0;
  SendMessageW(edit, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
  const auto kept = static_cast<std::size_t>(GetWindowTextLengthW(edit)) - (end - start);
  const auto limit = static_cast<std::size_t>(SendMessageW(edit, EM_GETLIMITTEXT, 0, 0));
  const std::size_t room = limit > kept ? limit - kept : 0;
  if (GetWindowLongW(edit, GWL_STYLE) & ES_NUMBER) {
    if (line.size() > room || line.find_first_not_of(L"0123456789") != std::wstring::npos) {
      MessageBeep(MB_OK);
      return;
    }
  } else if (line.size() > room) {
    line.resize(room);
    if (!line.empty() && IS_HIGH_SURROGATE(line.back())) line.pop_back();
  }
  SendMessageW(edit, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(line.c_str()));
}
}  // namespace

LRESULT LinePaste::OnSubclassMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  if (message != WM_PASTE) return CallNext(message, wParam, lParam);
  if (GetWindowLongW(Window(), GWL_STYLE) & ES_READONLY) return 0;
  // Nothing on the clipboard but blanks pastes nothing, as nothing at all does.
  const std::wstring line = OneLine(ClipboardText(Window()));
  if (!line.empty()) ReplaceSelection(Window(), line);
  return 0;
}

// --- Label ---

void Label::Create(Container& parent, int id, const std::wstring& caption, RECT bounds,
                   LabelSize size) {
  autoSize_ = size == LabelSize::FitCaption;
  CreateHandle(L"STATIC", caption.c_str(), kChild | SS_LEFT | SS_NOTIFY | SS_NOPREFIX, 0, &parent,
               id, bounds);
  if (autoSize_) FitToCaption();
}

void Label::SetCaption(const std::wstring& caption) {
  SetWText(caption);
  if (autoSize_) FitToCaption();
}

void Label::ApplyFont() {
  Control::ApplyFont();
  if (autoSize_) FitToCaption();
}

void Label::FitToCaption() {
  const std::wstring caption = WText();
  SIZE size{};
  TEXTMETRICW metrics{};
  {
    WindowDc dc(hwnd_);
    SelectedObject font(dc.Get(), font_ ? font_->Handle() : GetStockObject(DEFAULT_GUI_FONT));
    GetTextExtentPoint32W(dc.Get(), caption.c_str(), static_cast<int>(caption.size()), &size);
    GetTextMetricsW(dc.Get(), &metrics);
  }
  const RECT bounds = Bounds();
  SetWindowPos(hwnd_, nullptr, bounds.left, bounds.top, size.cx, metrics.tmHeight,
               SWP_NOZORDER | SWP_NOACTIVATE);
}

bool Label::HandleCommand(WORD code) {
  if (code != STN_CLICKED || !onClick) return false;
  onClick();
  return true;
}

HBRUSH Label::HandleCtlColor(HDC dc) {
  if (font_) SetTextColor(dc, font_->Info().color);
  SetBkMode(dc, TRANSPARENT);
  if (color_) return brush_.Get();
  return GetSysColorBrush(COLOR_BTNFACE);
}

// --- Edit, Memo ---

void Edit::Create(Container& parent, int id, RECT bounds, const std::wstring& text) {
  CreateHandle(L"EDIT", text.c_str(), kChild | WS_TABSTOP | ES_AUTOHSCROLL, WS_EX_CLIENTEDGE,
               &parent, id, bounds);
  // The system edit has no double-click notification and keeps its context menu to itself.
  WindowSubclass::Attach(hwnd_);
  paste_.Attach(hwnd_);
}

void Edit::SetLimit(int characters) {
  SendMessageW(hwnd_, EM_SETLIMITTEXT, characters, 0);
}

void Edit::SetCueText(const std::wstring& cue) {
  SendMessageW(hwnd_, EM_SETCUEBANNER, TRUE, reinterpret_cast<LPARAM>(cue.c_str()));
}

void Edit::PasteOver() {
  SendMessageW(hwnd_, EM_SETSEL, 0, -1);
  ReplaceSelection(hwnd_, OneLine(ClipboardText(hwnd_)));
}

LRESULT Edit::OnSubclassMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  // The default procedure hands WM_CONTEXTMENU to the parent, which shows the context menu.
  if (message == WM_CONTEXTMENU && ContextMenu())
    return DefWindowProcW(Window(), message, wParam, lParam);
  const LRESULT result = CallNext(message, wParam, lParam);
  if (message == WM_LBUTTONDBLCLK && onDblClick) onDblClick();
  return result;
}

bool Edit::HandleCommand(WORD code) {
  const std::function<void()>* handler = code == EN_CHANGE     ? &onChange
                                          : code == EN_SETFOCUS ? &onFocus
                                                                : nullptr;
  if (!handler || !*handler) return false;
  (*handler)();
  return true;
}

void Memo::Create(Container& parent, int id, RECT bounds, const std::wstring& text) {
  CreateHandle(L"EDIT", text.c_str(),
               kChild | WS_TABSTOP | WS_VSCROLL | ES_MULTILINE | ES_AUTOVSCROLL | ES_WANTRETURN,
               WS_EX_CLIENTEDGE, &parent, id, bounds);
  // The edit's default limit (about 32,000 characters) would stop typing in a long text.
  SendMessageW(hwnd_, EM_SETLIMITTEXT, 0, 0);
}

// --- ComboBox ---

void ComboBox::Create(Container& parent, int id, RECT bounds,
                      const std::vector<std::wstring>& items) {
  // The height of a combo box window includes its dropped-down list.
  bounds.bottom = bounds.top + 240;
  CreateHandle(L"COMBOBOX", L"", kChild | WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWN | CBS_AUTOHSCROLL,
               0, &parent, id, bounds);
  for (const std::wstring& item : items)
    SendMessageW(hwnd_, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item.c_str()));
  COMBOBOXINFO combo{};
  combo.cbSize = sizeof combo;
  if (GetComboBoxInfo(hwnd_, &combo) && combo.hwndItem) paste_.Attach(combo.hwndItem);
}

void ComboBox::SetLimit(int characters) {
  SendMessageW(hwnd_, CB_LIMITTEXT, characters, 0);
}

int ComboBox::ItemCount() const {
  return static_cast<int>(SendMessageW(hwnd_, CB_GETCOUNT, 0, 0));
}

std::wstring ComboBox::Item(int index) const {
  const auto length = SendMessageW(hwnd_, CB_GETLBTEXTLEN, index, 0);
  if (length < 0) return {};
  std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
  SendMessageW(hwnd_, CB_GETLBTEXT, index, reinterpret_cast<LPARAM>(text.data()));
  text.resize(static_cast<std::size_t>(length));
  return text;
}

HBRUSH ComboBox::HandleCtlColor(HDC dc) {
  return color_ ? Control::HandleCtlColor(dc) : nullptr;
}

// --- SpinEdit ---

void SpinEdit::Create(Container& parent, int id, RECT bounds, int value, SpinRange range) {
  range_ = range;
  CreateHandle(L"EDIT", std::to_wstring(value).c_str(), kChild | WS_TABSTOP | ES_AUTOHSCROLL,
               WS_EX_CLIENTEDGE, &parent, id, bounds);
  upDown_ = CreateWindowExW(0, UPDOWN_CLASSW, nullptr,
                            kChild | UDS_ALIGNRIGHT | UDS_ARROWKEYS | UDS_NOTHOUSANDS, 0, 0, 0, 0,
                            parent.Handle(), nullptr, GetModuleHandleW(nullptr), nullptr);
  SendMessageW(upDown_, UDM_SETBUDDY, reinterpret_cast<WPARAM>(hwnd_), 0);
  // The range is for outside tools that read it; the arrows' steps are made from the text.
  SendMessageW(upDown_, UDM_SETRANGE32, range.lowest, range.highest);
  Attach(upDown_);
  paste_.Attach(hwnd_);
}

void SpinEdit::TakeDigitsOnly(int count) {
  SetWindowLongW(hwnd_, GWL_STYLE, GetWindowLongW(hwnd_, GWL_STYLE) | ES_NUMBER);
  SendMessageW(hwnd_, EM_SETLIMITTEXT, count, 0);
}

bool SpinEdit::HandleNotify(NMHDR& header, LRESULT& result) {
  if (header.hwndFrom != upDown_ || header.code != UDN_DELTAPOS) return false;
  // The arrows work on the text, whatever it holds (a film's old "dwie" among others): a text
  // that is not a number counts as the lowest value.
  const auto& change = reinterpret_cast<const NMUPDOWN&>(header);
  const long long value = kadrion::core::IniIntegerOr(Text(), range_.lowest);
  const long long next =
      std::clamp<long long>(value + change.iDelta, range_.lowest, range_.highest);
  SetWText(std::to_wstring(next));
  result = 1;  // the up-down itself changes nothing
  return true;
}

// --- Button ---

void Button::Create(Container& parent, int id, const std::wstring& caption, RECT bounds,
                    ButtonFace face) {
  const DWORD kind = face == ButtonFace::OwnColours ? BS_OWNERDRAW : BS_PUSHBUTTON;
  CreateHandle(L"BUTTON", caption.c_str(), kChild | WS_TABSTOP | kind, 0, &parent, id, bounds);
}

void Button::Click() {
  if (Enabled() && onClick) onClick();
}

bool Button::HandleCommand(WORD code) {
  if (code != BN_CLICKED) return false;
  Click();
  return true;
}

bool Button::HandleDrawItem(const DRAWITEMSTRUCT& item) {
  DrawFace(item, nullptr);
  return true;
}

void Button::DrawFace(const DRAWITEMSTRUCT& item, const Glyph* glyph) {
  RECT rect = item.rcItem;
  const bool pushed = item.itemState & ODS_SELECTED;
  DrawFrameControl(item.hDC, &rect, DFC_BUTTON, DFCS_BUTTONPUSH | (pushed ? DFCS_PUSHED : 0));
  if (pushed) OffsetRect(&rect, 1, 1);

  const std::wstring caption = WText();
  SelectedObject font(item.hDC, font_->Handle());
  SetBkMode(item.hDC, TRANSPARENT);
  SetTextColor(item.hDC,
               (item.itemState & ODS_DISABLED) ? GetSysColor(COLOR_GRAYTEXT) : font_->Info().color);
  if (glyph) {
    // Picture and caption are centred together, four pixels apart.
    constexpr int kSpacing = 4;
    SIZE text{};
    GetTextExtentPoint32W(item.hDC, caption.c_str(), static_cast<int>(caption.size()), &text);
    const int width = glyph->Width() + kSpacing + text.cx;
    const int left = rect.left + (rect.right - rect.left - width) / 2;
    glyph->Draw(item.hDC, left, rect.top + (rect.bottom - rect.top - glyph->Height()) / 2);
    rect.left = left + glyph->Width() + kSpacing;
    DrawTextW(item.hDC, caption.c_str(), -1, &rect, DT_LEFT | DT_VCENTER | DT_SINGLELINE);
  } else {
    DrawTextW(item.hDC, caption.c_str(), -1, &rect, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
  }

  if (item.itemState & ODS_FOCUS) {
    RECT focus = item.rcItem;
    InflateRect(&focus, -3, -3);
    DrawFocusRect(item.hDC, &focus);
  }
}

// --- BitButton ---

void BitButton::Create(Container& parent, int id, const std::wstring& caption, RECT bounds,
                       std::shared_ptr<const Glyph> glyph) {
  glyph_ = std::move(glyph);
  Button::Create(parent, id, caption, bounds, ButtonFace::OwnColours);
}

bool BitButton::HandleDrawItem(const DRAWITEMSTRUCT& item) {
  DrawFace(item, glyph_.get());
  return true;
}

// --- CheckBox ---

void CheckBox::Create(Container& parent, int id, const std::wstring& caption, RECT bounds) {
  CreateHandle(L"BUTTON", caption.c_str(), kChild | WS_TABSTOP | BS_AUTOCHECKBOX, 0, &parent, id,
               bounds);
}

bool CheckBox::Checked() const {
  return SendMessageW(hwnd_, BM_GETCHECK, 0, 0) == BST_CHECKED;
}

void CheckBox::SetChecked(bool checked) {
  SendMessageW(hwnd_, BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
}

// --- StatusBar ---

void StatusBar::Create(Container& parent, int id, const std::vector<int>& widths) {
  SetAlignment(Align::Bottom);
  CreateHandle(STATUSCLASSNAMEW, L"", kChild, 0, &parent, id, RECT{0, 0, 0, 0});
  std::vector<int> edges;
  int right = 0;
  for (std::size_t i = 0; i < widths.size(); ++i) {
    right += widths[i];
    edges.push_back(i + 1 == widths.size() ? -1 : right);
  }
  SendMessageW(hwnd_, SB_SETPARTS, edges.size(), reinterpret_cast<LPARAM>(edges.data()));
  SendMessageW(hwnd_, WM_SIZE, 0, 0);
}

void StatusBar::SetPanelText(int panel, const std::wstring& text) {
  SendMessageW(hwnd_, SB_SETTEXTW, panel, reinterpret_cast<LPARAM>(text.c_str()));
}

std::wstring StatusBar::PanelText(int panel) const {
  const auto length = LOWORD(SendMessageW(hwnd_, SB_GETTEXTLENGTHW, panel, 0));
  std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
  SendMessageW(hwnd_, SB_GETTEXTW, panel, reinterpret_cast<LPARAM>(text.data()));
  text.resize(length);
  return text;
}

}  // namespace kadrion::toolkit
