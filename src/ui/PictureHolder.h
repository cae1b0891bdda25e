// What every backend's picture peer does alike: it keeps the picture it was
// given and has the control repainted, in the backend's own way.
#pragma once

#include "motion/MotionPicture.h"
#include "ui/Peers.h"

namespace pf {

class PictureHolder : public IPicturePeer {
 public:
  void SetPicture(const MotionPicture& picture) override {
    picture_ = picture;
    Repaint();
  }
  const MotionPicture& GetPicture() const override { return picture_; }

 protected:
  virtual void Repaint() = 0;

 private:
  MotionPicture picture_;
};

}  // namespace pf
