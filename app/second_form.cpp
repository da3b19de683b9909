#include "app/second_form.h"

namespace app {

namespace {

const platform::FormDesign SecondDesign{
    .caption = L"Form2",
    .border = platform::BorderStyle::Sizable,
    .clientWidth = 4680,
    .clientHeight = 3195,
    .centred = false,  // where the platform places new windows
};

}  // namespace

SecondForm::SecondForm() : platform::Form(SecondDesign, {}) {}

}  // namespace app
