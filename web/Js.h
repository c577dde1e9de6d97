#pragma once

#include <array>
#include <string>
#include <string_view>

// A JavaScript value the page's C++ holds: a counted handle into the bridge's
// table (bridge.js). Texts cross as UTF-16, as the logic and the design speak
// them; names of properties and methods as ASCII.
namespace trivelan::web {

// What the page's events are for; the bridge hands each to trivelan_event.
enum class Event {
    CellPress,
    CellClick,
    CellKey,
    ButtonClick,
    FormPress,
    FormMenu,
    ReportEdit,
    BoxEdit,
    PageKey,
    HelpClosed,
    Resize,
    AddressChange
};

class Js {
  public:
    Js() = default;  // undefined
    explicit Js(double number);
    explicit Js(int number) : Js(static_cast<double>(number)) {}
    explicit Js(bool flag);
    explicit Js(const char* ascii);
    explicit Js(const std::string& ascii) : Js(ascii.c_str()) {}
    explicit Js(std::u16string_view text);
    explicit Js(const std::u16string& text) : Js(std::u16string_view(text)) {}
    explicit Js(const char16_t* text) : Js(std::u16string_view(text)) {}
    Js(const Js& other);
    Js(Js&& other) noexcept : handle_(other.handle_) { other.handle_ = kUndefined; }
    Js& operator=(Js other) noexcept {
        std::swap(handle_, other.handle_);
        return *this;
    }
    ~Js();

    [[nodiscard]] static Js Global(const char* name);
    [[nodiscard]] static Js Null() { return Adopt(kNull); }
    // A handle the bridge made for this side, which this side now releases.
    [[nodiscard]] static Js Adopt(int handle) {
        Js value;
        value.handle_ = handle;
        return value;
    }

    [[nodiscard]] Js operator[](const char* name) const;
    template <typename T>
    void Set(const char* name, const T& value) const {
        SetValue(name, Js(value));
    }
    template <typename... Args>
    Js Call(const char* method, const Args&... args) const {
        const std::array<Js, sizeof...(Args)> values{Js(args)...};
        std::array<int, sizeof...(Args) + 1> handles{};
        for (std::size_t i = 0; i < values.size(); ++i) handles.at(i) = values.at(i).handle_;
        return Invoke(method, handles.data(), static_cast<int>(values.size()));
    }
    // Hands each such event to trivelan_event, as this kind, with the cell or
    // button index.
    void Listen(const char* event, Event kind, int index = 0) const;

    [[nodiscard]] double Number() const;
    [[nodiscard]] int Int() const { return static_cast<int>(Number()); }
    [[nodiscard]] bool Truthy() const;
    [[nodiscard]] bool IsNullish() const;
    [[nodiscard]] bool Same(const Js& other) const;
    [[nodiscard]] std::u16string Text() const;
    // The text, where it is ASCII (event names, keys); other letters become '?'.
    [[nodiscard]] std::string Ascii() const;

  private:
    static constexpr int kUndefined = 0;
    static constexpr int kNull = 1;
    Js Invoke(const char* method, const int* handles, int count) const;
    void SetValue(const char* name, const Js& value) const;

    int handle_ = kUndefined;
};

}  // namespace trivelan::web
