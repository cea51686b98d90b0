#include "app/Program.h"

#include "app/Unit1.h"
#include "app/Unit2.h"

namespace tw {

Program::Program()
    : form1_(std::make_unique<TForm1>()), hiddenAbout_(std::make_unique<Tfrmabout>()) {
  frmabout = hiddenAbout_.get();
}

Program::~Program() = default;

void Program::Show() {
  form1_->show();
  form1_->activateWindow();
}

}  // namespace tw
