// A do-nothing log receiver, the yardstick of the viewer's speed: listens
// where the viewer does and only drains every connection, until stopped.
// Only POSIX code here.
#include <unistd.h>

#include <iostream>
#include <string>
#include <vector>

#include "SocketListener.h"

int main() {
  pf::SocketListener listener;
  std::string error;
  if (!listener.Open(error)) {
    std::cerr << "logsink: " << error << '\n';
    return 1;
  }
  std::vector<pollfd> fds{pollfd{listener.fd(), POLLIN, 0}};
  char chunk[64 * 1024];
  while (listener.Wait(fds)) {
    for (std::size_t i = fds.size(); i-- > 1;) {
      if (fds[i].revents != 0 && read(fds[i].fd, chunk, sizeof chunk) <= 0) {
        close(fds[i].fd);
        fds.erase(fds.begin() + static_cast<std::ptrdiff_t>(i));
      }
    }
    if (fds[0].revents != 0) {
      const int connection = listener.Accept();
      if (connection >= 0) fds.push_back(pollfd{connection, POLLIN, 0});
    }
  }
  return 0;
}
