// The C++ side of the page's bridge; the JavaScript side is bridge.js.
#include "Js.h"

extern "C" {
int js_global(const char* name) noexcept;
int js_ascii(const char* text) noexcept;
int js_text(const char16_t* text, int length) noexcept;
int js_number(double number) noexcept;
int js_bool(int flag) noexcept;
void js_dup(int handle) noexcept;
void js_drop(int handle) noexcept;
int js_get(int handle, const char* name) noexcept;
void js_set(int handle, const char* name, int value) noexcept;
int js_call(int handle, const char* name, const int* args, int count) noexcept;
double js_to_number(int handle) noexcept;
int js_truthy(int handle) noexcept;
int js_nullish(int handle) noexcept;
int js_same(int a, int b) noexcept;
int js_text_length(int handle) noexcept;
void js_text_copy(int handle, char16_t* out, int length) noexcept;
void js_listen(int handle, const char* name, int kind, int index) noexcept;
}

namespace trivelan::web {

Js::Js(double number) : handle_(js_number(number)) {}
Js::Js(bool flag) : handle_(js_bool(flag ? 1 : 0)) {}
Js::Js(const char* ascii) : handle_(js_ascii(ascii)) {}
Js::Js(std::u16string_view text) : handle_(js_text(text.data(), static_cast<int>(text.size()))) {}
Js::Js(const Js& other) : handle_(other.handle_) { js_dup(handle_); }
Js::~Js() { js_drop(handle_); }

Js Js::Global(const char* name) { return Adopt(js_global(name)); }
Js Js::operator[](const char* name) const { return Adopt(js_get(handle_, name)); }
void Js::SetValue(const char* name, const Js& value) const { js_set(handle_, name, value.handle_); }
Js Js::Invoke(const char* method, const int* handles, int count) const {
    return Adopt(js_call(handle_, method, handles, count));
}
void Js::Listen(const char* event, Event kind, int index) const {
    js_listen(handle_, event, static_cast<int>(kind), index);
}

double Js::Number() const { return js_to_number(handle_); }
bool Js::Truthy() const { return js_truthy(handle_) != 0; }
bool Js::IsNullish() const { return js_nullish(handle_) != 0; }
bool Js::Same(const Js& other) const { return js_same(handle_, other.handle_) != 0; }

std::u16string Js::Text() const {
    std::u16string text(static_cast<std::size_t>(js_text_length(handle_)), u'\0');
    js_text_copy(handle_, text.data(), static_cast<int>(text.size()));
    return text;
}

std::string Js::Ascii() const {
    std::string ascii;
    for (const char16_t c : Text()) ascii += c < 0x80 ? static_cast<char>(c) : '?';
    return ascii;
}

}  // namespace trivelan::web
