#include "platform/gui/Application.h"

#include <gtest/gtest.h>

#include <memory>

TEST(Component, FindComponentByComposedName)
{
    auto form = std::make_unique<TForm>(nullptr);
    const char* suffixes[] = {"A", "B", "C", "D"};
    for (const char* s : suffixes) {
        auto* c = new TCustomControl(form.get());
        c->SetName(std::string("cvdGainIn") + s);
        c->SetParent(form.get());
    }
    for (const char* s : suffixes)
        EXPECT_NE(form->FindComponent(std::string("cvdGainIn") + s), nullptr) << s;
    EXPECT_EQ(form->FindComponent("cvdGainInE"), nullptr);
    EXPECT_EQ(form->FindComponent("cvdgaininb"), form->FindComponent("cvdGainInB"));
}
