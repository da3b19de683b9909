#pragma once
// The skin gallery: one skinned form that shows every kind of control the engine knows,
// side by side, in every state that can be set from code.
#include "platform/form.h"

namespace gallery {

class GalleryForm : public platform::Form {
 public:
  GalleryForm();

 protected:
  void CreateOtherControls() override;
  void Form_Load() override;
  void Control_Click(const platform::ControlDesign& control) override;

 private:
  HWND header_ = nullptr;
};

// The second form the gallery opens; skinned when it takes the activation.
class SecondGalleryForm : public platform::Form {
 public:
  SecondGalleryForm();
};

}  // namespace gallery
