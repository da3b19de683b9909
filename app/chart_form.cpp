#include "app/chart_form.h"

#include "app/resource_ids.h"
#include "skin/core/attach.h"

namespace app {

namespace {

const platform::FormSpec ChartSpec{
    .caption = L"Tintora - Halvek",
    .border = platform::BorderStyle::FixedSingle,
    .clientWidth = 10665,
    .clientHeight = 9825,
    .centred = true,
    .backColor = 0xCA8E28,
    .iconId = IDI_TINTORA,
};

}  // namespace

ChartForm::ChartForm() : platform::Form(ChartSpec, {}) {}

void ChartForm::Form_Load() { skin::SkinWindow(hwnd()); }

}  // namespace app
