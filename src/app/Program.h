// The program's start-up, after the application object exists: the main
// window Form1 (its FormCreate runs as it is made), then the one About
// dialog that is made at start-up, owned by the program and never shown.
// Show() is the message loop's first act: it shows the main window, whose
// first control in tab order, LOAD..., takes the focus.
//
//   tw::Application app(argc, argv);
//   tw::Program program;
//   program.Show();
//   return app.exec();    // ends when Form1 has closed
#pragma once

#include <memory>

namespace tw {

class TForm1;
class Tfrmabout;

class Program {
 public:
  Program();
  ~Program();
  Program(const Program &) = delete;
  Program &operator=(const Program &) = delete;

  TForm1 &Form1() { return *form1_; }
  void Show();

 private:
  std::unique_ptr<TForm1> form1_;
  std::unique_ptr<Tfrmabout> hiddenAbout_;
};

}  // namespace tw
