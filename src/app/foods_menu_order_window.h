#pragma once
// The ordering window `TffoodsMenu` as the café link drives it. It joins
// two features, so it lives with the main window that hands one to the other.

#include <cstdint>
#include <string_view>
#include <utility>

#include "cafe/order_window.h"
#include "orders/foods_menu.h"
#include "ui/form.h"

namespace corvina {

class FoodsMenuOrderWindow final : public OrderWindow {
public:
    explicit FoodsMenuOrderWindow(ui::FormPtr<TffoodsMenu> form) : form_(std::move(form)) {}

    void HandleOrderCommand(std::int32_t number, std::string_view data) override {
        form_->HandleOrderCommand(number, data);
    }
    void Reset() override { form_->ResetOrderWindow(); }
    void ShowModal() override { form_->ShowModal(); }
    void Close() override { form_->Close(); }

    TffoodsMenu& Form() { return *form_; }

private:
    ui::FormPtr<TffoodsMenu> form_;
};

}  // namespace corvina
