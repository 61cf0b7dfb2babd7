// Bounded traffic for the desktop benchmark: sends over a TCP connection
// on 127.0.0.1 for a given time, at a rate that changes every second so
// that every figure of the monitor changes too. Nothing leaves the machine.
//   loopback_traffic <bytes per second> <seconds>
#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <thread>
#include <vector>

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: %s <bytes per second> <seconds>\n", argv[0]);
    return 2;
  }
  const long long rate = std::atoll(argv[1]);
  const int seconds = std::atoi(argv[2]);
  if (rate <= 0 || seconds <= 0 || seconds > 24 * 3600) return 2;

  const int server = ::socket(AF_INET, SOCK_STREAM, 0);
  sockaddr_in addr{};
  addr.sin_family = AF_INET;
  addr.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  socklen_t len = sizeof addr;
  if (server < 0 || ::bind(server, reinterpret_cast<sockaddr*>(&addr), sizeof addr) != 0 || ::listen(server, 1) != 0 ||
      ::getsockname(server, reinterpret_cast<sockaddr*>(&addr), &len) != 0) {
    std::perror("listen");
    return 1;
  }
  const int client = ::socket(AF_INET, SOCK_STREAM, 0);
  if (client < 0 || ::connect(client, reinterpret_cast<sockaddr*>(&addr), sizeof addr) != 0) {
    std::perror("connect");
    return 1;
  }
  const int peer = ::accept(server, nullptr, nullptr);
  std::thread drain([peer] {
    std::vector<char> buf(1 << 16);
    while (::read(peer, buf.data(), buf.size()) > 0) {
    }
  });

  // Ten slices a second; each second's rate is 50 % to 150 % of the mean.
  std::vector<char> chunk(1 << 16, 'x');
  auto next = std::chrono::steady_clock::now();
  unsigned seed = 12345;
  for (int s = 0; s < seconds; ++s) {
    seed = seed * 1103515245u + 12345u;
    const long long thisSecond = rate / 2 + (rate * ((seed >> 16) % 1001)) / 1000;
    for (int slice = 0; slice < 10; ++slice) {
      long long left = thisSecond / 10;
      while (left > 0) {
        const ssize_t n = ::write(client, chunk.data(), size_t(std::min<long long>(left, chunk.size())));
        if (n <= 0) return 1;
        left -= n;
      }
      next += std::chrono::milliseconds(100);
      std::this_thread::sleep_until(next);
    }
  }
  ::shutdown(client, SHUT_WR);
  drain.join();
  ::close(client);
  ::close(peer);
  ::close(server);
  return 0;
}
