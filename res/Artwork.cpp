// SPDX-License-Identifier: MIT
#include "res/Resources.h"

#include <string>

// Artwork drawn for this program, one character per pixel.

namespace {

// The 16 colours of the classic 4-bit palette; the keys name them in the art.
// '#' black, '.' button-face grey, 'w' white, 'B' blue; ' ' (icons only) is transparent.
constexpr const char* kKeys = "#rgybmc.dRGYBMCw";
// A function, not a global: the resource set may be built during static
// initialisation, before globals of this file exist.
std::vector<DWORD> Palette()
{
    return {
        0x000000, 0x000080, 0x008000, 0x008080, 0x800000, 0x800080, 0x808000, 0xC0C0C0,
        0x808080, 0x0000FF, 0x00FF00, 0x00FFFF, 0xFF0000, 0xFF00FF, 0xFFFF00, 0xFFFFFF,
    };
}

}  // namespace

// Nine 16 x 16 button images side by side: an eraser, a check mark and a pair
// of glasses, each over W (word), L (letter) and P (puzzle).
ImageResource TrellisToolBarBitmap()
{
    return {144,
            16,
            kKeys,
            Palette(),
            {
                "...........................................................##..............##..............##........."
                "..........................................",
                ".......#######.........#######.........#######............##..............##..............##.....####."
                ".....####..####......####..####......####.",
                "......#www#..#........#www#..#........#www#..#.....##....##........##....##........##....##.....#....#"
                "....#....##....#....#....##....#....#....#",
                ".....#www#..#........#www#..#........#www#..#.......##..##..........##..##..........##..##......#....#"
                "#####....##....######....##....######....#",
                "....#www#..#........#www#..#........#www#..#.........####............####............####.......#....#"
                "....#....##....#....#....##....#....#....#",
                "....#######.........#######.........#######...........##..............##..............##.........####."
                ".....####..####......####..####......####.",
                "......................................................................................................"
                "..........................................",
                "......................................................................................................"
                "..........................................",
                ".##.........##.......##..............######......##.........##.......##..............######......##..."
                "......##.......##..............######.....",
                ".##.........##.......##..............##...##.....##.........##.......##..............##...##.....##..."
                "......##.......##..............##...##....",
                ".##....#....##.......##..............##...##.....##....#....##.......##..............##...##.....##..."
                ".#....##.......##..............##...##....",
                ".##...###...##.......##..............######......##...###...##.......##..............######......##..."
                "###...##.......##..............######.....",
                "..##.##.##.##........##..............##...........##.##.##.##........##..............##...........##.#"
                "#.##.##........##..............##.........",
                "..####...####........#######.........##...........####...####........#######.........##...........####"
                "...####........#######.........##.........",
                "...##.....##.........#######.........##............##.....##.........#######.........##............##."
                "....##.........#######.........##.........",
                "......................................................................................................"
                "..........................................",
            }};
}

// The program icon: a small crossword grid with one word highlighted.
ImageResource TrellisIcon()
{
    std::vector<DWORD> palette = Palette();
    palette.push_back(0xFFFFFFFF);
    static const std::string keys = std::string(kKeys) + " ";
    return {
        32,
        32,
        keys.c_str(),
        palette,
        {
            "############################### ", "#wwwww#wwwww#######wwwww#wwwww# ", "#wwwww#wwwww#######wwwww#wwwww# ",
            "#wwwww#wwwww#######wwwww#wwwww# ", "#wwwww#wwwww#######wwwww#wwwww# ", "#wwwww#wwwww#######wwwww#wwwww# ",
            "############################### ", "#wwwww#wwwww#wwwww#wwwww#wwwww# ", "#wwwww#wwwww#wwwww#wwwww#wwwww# ",
            "#wwwww#wwwww#wwwww#wwwww#wwwww# ", "#wwwww#wwwww#wwwww#wwwww#wwwww# ", "#wwwww#wwwww#wwwww#wwwww#wwwww# ",
            "############################### ", "#BBBBB#BBBBB#BBBBB#BBBBB#BBBBB# ", "#BBBBB#BBBBB#BBBBB#BBBBB#BBBBB# ",
            "#BBBBB#BBBBB#BBBBB#BBBBB#BBBBB# ", "#BBBBB#BBBBB#BBBBB#BBBBB#BBBBB# ", "#BBBBB#BBBBB#BBBBB#BBBBB#BBBBB# ",
            "############################### ", "#wwwww#wwwww#wwwww#wwwww#wwwww# ", "#wwwww#wwwww#wwwww#wwwww#wwwww# ",
            "#wwwww#wwwww#wwwww#wwwww#wwwww# ", "#wwwww#wwwww#wwwww#wwwww#wwwww# ", "#wwwww#wwwww#wwwww#wwwww#wwwww# ",
            "############################### ", "#wwwww#wwwww#######wwwww#wwwww# ", "#wwwww#wwwww#######wwwww#wwwww# ",
            "#wwwww#wwwww#######wwwww#wwwww# ", "#wwwww#wwwww#######wwwww#wwwww# ", "#wwwww#wwwww#######wwwww#wwwww# ",
            "############################### ", "                                ",
        }};
}
