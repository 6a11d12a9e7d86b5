// SPDX-License-Identifier: GPL-3.0-or-later
// A program that does nothing: linked with one floor of the core whole and
// the floors below it, it links only if that floor calls nothing above.
int main() {
    return 0;
}
