// What every backend's picture peer does alike: it keeps the picture it was
// given and has the control repainted, in the backend's own way.
#pragma once

#include "ui/Peers.h"
#include "ui/Picture.h"

namespace pf {

class PictureHolder : public IPicturePeer {
 public:
  void SetPicture(const CPicture& picture) override {
    picture_ = picture;
    Repaint();
  }
  const CPicture& GetPicture() const override { return picture_; }

 protected:
  virtual void Repaint() = 0;

 private:
  CPicture picture_;
};

}  // namespace pf
