# SPDX-License-Identifier: MIT
# Writes the drawing IN as OUT, to be rendered smooth: the same shapes, with anti-aliasing, for
# the fractional scale factors at which crisp edges would make lines of one weight come out one,
# two or three pixels wide.
#   cmake -DIN=picture.svg -DOUT=smooth.svg -P smooth.cmake
file(READ "${IN}" drawing)
string(REPLACE "shape-rendering=\"crispEdges\"" "shape-rendering=\"geometricPrecision\"" drawing "${drawing}")
string(REPLACE "text-rendering=\"optimizeSpeed\"" "text-rendering=\"geometricPrecision\"" drawing "${drawing}")
file(WRITE "${OUT}" "${drawing}")
