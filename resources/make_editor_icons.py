#!/usr/bin/env python3
"""Draws the editor's icons: the 27 pictures of its icon table and its tool-bar buttons.

Same grid, shapes, colours and rasteriser as make_icons.py, so the programs share one style:
a light page or tile with a dark outline and one coloured mark. Usage:
make_editor_icons.py OUTPUT_FOLDER
"""
import os
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from make_icons import (AMBER, BLUE, DARK_GREY, GREEN, GREY, INK, LIGHT_GREY, NAVY, PAPER,  # noqa: E402
                        RED, SKY, WHITE, circle, clock_frame, ico_bytes, network_drive,
                        network_printer, polygon, rect, ring, segment)

PURPLE = (120, 80, 170, 255)
TEAL = (30, 140, 140, 255)


def page(x0=7, y0=3, x1=25, y1=29):
    """A sheet with a folded corner."""
    return [
        (polygon([(x0, y0), (x1 - 6, y0), (x1, y0 + 6), (x1, y1), (x0, y1)]), DARK_GREY),
        (polygon([(x0 + 1, y0 + 1), (x1 - 6.5, y0 + 1), (x1 - 1, y0 + 6.5), (x1 - 1, y1 - 1),
                  (x0 + 1, y1 - 1)]), PAPER),
        (polygon([(x1 - 6, y0), (x1, y0 + 6), (x1 - 6, y0 + 6)]), LIGHT_GREY),
    ]


def text_lines(x0, x1, ys, width=1.6, colour=GREY):
    return [(segment(x0, y, x1, y, width), colour) for y in ys]


def window_frame(x0=3, y0=5, x1=29, y1=27):
    return [
        (rect(x0, y0, x1, y1, 1.5), NAVY),
        (rect(x0 + 1, y0 + 5, x1 - 1, y1 - 1, 0.5), WHITE),
    ]


def badge(cx, cy, colour, r=6.5):
    return [(circle(cx, cy, r + 1.2), WHITE), (circle(cx, cy, r), colour)]


def cross(cx, cy, size, width, colour):
    return [(segment(cx - size, cy - size, cx + size, cy + size, width), colour),
            (segment(cx - size, cy + size, cx + size, cy - size, width), colour)]


def tick(cx, cy, colour, width=2.4):
    return [(segment(cx - 3.5, cy, cx - 1, cy + 3, width), colour),
            (segment(cx - 1, cy + 3, cx + 4, cy - 3.5, width), colour)]


def editor_program():
    """The program: a script page on the blue tile with a pencil."""
    return [
        (rect(1, 1, 31, 31, 5), NAVY),
        (rect(2, 2, 30, 30, 4), BLUE),
        (rect(6, 5, 22, 27, 1.5), PAPER),
    ] + text_lines(9, 19, (10, 14, 18), 1.6, INK) + [
        (segment(14, 26, 27, 13, 4.2), AMBER),
        (segment(25.5, 14.5, 28, 12, 4.2), RED),
        (polygon([(11.5, 28.5), (12.5, 24.2), (15.8, 27.5)]), INK),
    ]


def capture():
    return network_printer()


def close_program():
    return window_frame() + cross(16, 18, 5, 3, RED)


def connect():
    return network_drive()


def copy_files():
    return (page(4, 2, 20, 22) + text_lines(7, 15, (10, 14, 18)) + page(12, 9, 28, 30) +
            text_lines(15, 23, (17, 21, 25)))


def delete_files():
    return page() + text_lines(10, 20, (11, 15, 19)) + badge(22, 23, RED) + cross(22, 23, 3, 2.2,
                                                                                   WHITE)


def desktop():
    return [
        (rect(2, 4, 30, 23, 1.5), DARK_GREY),
        (rect(4, 6, 28, 21, 0.5), SKY),
        (polygon([(4, 21), (12, 12), (18, 18), (22, 15), (28, 21)]), GREEN),
        (circle(23, 10, 2.5), AMBER),
        (rect(13, 23, 19, 27, 0), GREY),
        (rect(9, 27, 23, 29, 1), DARK_GREY),
    ]


def unknown():
    return badge(16, 16, GREY, 13) + [
        (ring(16, 12.5, 6, 3.4), WHITE),
        (rect(9, 12, 16, 20, 0), GREY),
        (rect(14.3, 15, 17.7, 21, 0), WHITE),
        (circle(16, 25, 2), WHITE),
    ]


def ini_file():
    return page() + [(rect(10, 8, 16, 10.5, 0), INK)] + text_lines(10, 21, (14, 18, 22, 26),
                                                                   1.4, BLUE)


def log_off():
    return [
        (rect(6, 3, 20, 29, 1), DARK_GREY),
        (rect(8, 5, 18, 29, 0), AMBER),
        (circle(15.5, 17, 1.2), INK),
        (segment(16, 16, 28, 16, 2.8), GREEN),
        (polygon([(24, 11), (30, 16), (24, 21)]), GREEN),
    ]


def menu_show():
    shapes = [(rect(4, 3, 28, 29, 2), NAVY), (rect(5, 4, 27, 28, 1.5), WHITE)]
    for i, y in enumerate((9, 15, 21)):
        shapes.append((circle(9.5, y, 2), (GREEN, BLUE, AMBER)[i]))
        shapes.append((segment(14, y, 23, y, 1.8), INK))
    return shapes


def minimize():
    return window_frame() + [(segment(10, 22, 22, 22, 3.2), BLUE),
                             (polygon([(11, 12), (21, 12), (16, 18)]), BLUE)]


def error_setting():
    return badge(16, 16, RED, 13) + [(segment(9, 16, 23, 16, 4), WHITE)]


def prompt():
    return [
        (rect(2, 4, 30, 22, 4), NAVY),
        (rect(3, 5, 29, 21, 3.2), WHITE),
        (polygon([(8, 20), (8, 28), (15, 20.5)]), NAVY),
        (polygon([(9, 20), (9, 26), (13.5, 20)]), WHITE),
        (ring(16, 11, 3.8, 2), BLUE),
        (rect(11, 10, 16, 13, 0), WHITE),
        (segment(16, 14, 16, 15.8, 2), BLUE),
        (circle(16, 18.3, 1.2), BLUE),
    ]


def properties():
    return page() + text_lines(10, 21, (11, 15, 19)) + badge(21, 23, GREEN) + tick(21, 23, WHITE)


def registry():
    shapes = []
    for x, y, colour in ((4, 14, BLUE), (15, 14, GREEN), (4, 3, AMBER), (15, 25, PURPLE)):
        if y > 24:
            continue
        shapes += [(rect(x, y, x + 10, y + 10, 1), DARK_GREY),
                   (rect(x + 1, y + 1, x + 9, y + 9, 0.5), colour)]
    shapes += [(rect(19, 2, 29, 12, 1), DARK_GREY), (rect(20, 3, 28, 11, 0.5), PURPLE)]
    return shapes


def rename():
    return page() + [
        (rect(9, 13, 23, 20, 0.5), SKY),
        (segment(11, 16.5, 17, 16.5, 1.8), INK),
        (segment(20, 11, 20, 22, 1.4), INK),
        (segment(18, 11, 22, 11, 1.2), INK),
        (segment(18, 22, 22, 22, 1.2), INK),
    ]


def run_script():
    return page() + text_lines(10, 20, (10, 14)) + badge(21, 22, GREEN) + [
        (polygon([(19, 18.5), (19, 25.5), (25, 22)]), WHITE)]


def shutdown():
    return badge(16, 16, RED, 13) + [
        (ring(16, 17, 7.5, 5.5), WHITE),
        (rect(13, 6, 19, 13, 0), RED),
        (segment(16, 7, 16, 16, 2.6), WHITE),
    ]


def timer():
    return clock_frame(3)


def window_position():
    return window_frame(2, 2, 24, 20) + [
        (rect(10, 12, 30, 30, 1.5), BLUE),
        (rect(11, 17, 29, 29, 0.5), SKY),
        (segment(3, 29, 9, 23, 1.8), INK),
        (polygon([(3, 24), (3, 30), (9, 30)]), INK),
    ]


def key_shape(colour):
    return [
        (ring(10, 16, 6.5, 3), colour),
        (segment(16, 16, 29, 16, 3.2), colour),
        (segment(25, 16, 25, 21, 2.6), colour),
        (segment(21, 16, 21, 20, 2.6), colour),
    ]


def enable():
    return key_shape(AMBER) + badge(22, 24, GREEN, 5.5) + tick(22, 24, WHITE, 2)


def disable():
    return key_shape(GREY) + badge(22, 24, RED, 5.5) + [(segment(18.5, 24, 25.5, 24, 2.4), WHITE)]


def change_date():
    shapes = [
        (rect(3, 5, 29, 29, 2), DARK_GREY),
        (rect(4, 6, 28, 28, 1.5), WHITE),
        (rect(4, 6, 28, 12, 1.5), RED),
        (segment(10, 3, 10, 8, 2), INK),
        (segment(22, 3, 22, 8, 2), INK),
    ]
    for row in range(3):
        for col in range(4):
            shapes.append((rect(7 + col * 5.5, 15 + row * 4.3, 9.8 + col * 5.5, 17.3 + row * 4.3,
                                0.3), BLUE if (row, col) != (1, 2) else RED))
    return shapes


def send_keys():
    shapes = [(rect(1, 9, 31, 25, 2), DARK_GREY), (rect(2, 10, 30, 24, 1.5), LIGHT_GREY)]
    for row, count in enumerate((7, 7)):
        for col in range(count):
            x = 4 + col * 3.8
            shapes.append((rect(x, 12 + row * 4, x + 2.8, 14.8 + row * 4, 0.4), WHITE))
    shapes.append((rect(9, 20, 23, 22.5, 0.4), WHITE))
    return shapes


def compiled_script():
    return page() + [
        (rect(10, 9, 22, 13, 0), NAVY),
        (segment(11, 17, 21, 17, 1.4), NAVY),
        (segment(11, 20, 18, 20, 1.4), NAVY),
        (ring(20, 21.5, 3.5, 2), AMBER),
        (rect(15.5, 22.5, 24.5, 29, 1), AMBER),
        (circle(20, 25.5, 1.1), INK),
    ]


def source_script():
    return page() + text_lines(10, 20, (10, 14, 18, 22), 1.6, BLUE) + [
        (rect(1, 19, 13, 29, 2), NAVY), (rect(2, 20, 12, 28, 1.5), BLUE),
        (polygon([(5, 21.5), (5, 26.5), (10, 24)]), WHITE)]


# The icon table of the editor, in the order the rows use it; the resource names are the
# .ico names upper-cased.
TABLE = [
    ("MAINICON", editor_program),
    ("MAINICON_CAPTURE", capture),
    ("MAINICON_CLOSE", close_program),
    ("MAINICON_CONNECT", connect),
    ("MAINICON_COPY", copy_files),
    ("MAINICON_DELETE", delete_files),
    ("MAINICON_DESKTOP", desktop),
    ("MAINICON_DONTNO", unknown),
    ("MAINICON_INI", ini_file),
    ("MAINICON_LOGOFF", log_off),
    ("MAINICON_MENU", menu_show),
    ("MAINICON_MINIMIZE", minimize),
    ("MAINICON_NO", error_setting),
    ("MAINICON_PROMPT", prompt),
    ("MAINICON_PROPERTIES", properties),
    ("MAINICON_REGISTRY", registry),
    ("MAINICON_RENAME", rename),
    ("MAINICON_RUN", run_script),
    ("MAINICON_SHUTDOWN", shutdown),
    ("MAINICON_TIMER", timer),
    ("MAINICON_WINDOW", window_position),
    ("MAINICON_ZA_ENABLE", enable),
    ("MAINICON_ZB_DISABLE", disable),
    ("MAINICON_ZC_DATE", change_date),
    ("MAINICON_ZD_SENDKEYS", send_keys),
    ("QVC", compiled_script),
    ("QVS", source_script),
]


def tool_new():
    return page() + [(circle(22, 8, 4.5), AMBER), (circle(22, 8, 2), WHITE)]


def tool_open():
    return [
        (polygon([(2, 8), (11, 8), (13, 11), (26, 11), (26, 27), (2, 27)]), DARK_GREY),
        (polygon([(3, 9), (10.5, 9), (12.5, 12), (25, 12), (25, 26), (3, 26)]), AMBER),
        (polygon([(6, 16), (30, 16), (26, 27), (2, 27)]), (248, 206, 96, 255)),
    ]


def tool_save():
    return [
        (rect(3, 3, 29, 29, 2), NAVY),
        (rect(8, 4, 24, 13, 0.5), WHITE),
        (rect(19, 5.5, 22, 11.5, 0), NAVY),
        (rect(7, 17, 25, 28, 0.5), SKY),
    ] + text_lines(9, 23, (20.5, 24.5), 1.2, BLUE)


def tool_run():
    return badge(16, 16, GREEN, 13) + [(polygon([(12, 8.5), (12, 23.5), (24.5, 16)]), WHITE)]


def tool_cut():
    return [
        (segment(10, 3, 20, 20, 2.4), GREY),
        (segment(22, 3, 12, 20, 2.4), GREY),
        (ring(9, 24, 5, 2.8), RED),
        (ring(23, 24, 5, 2.8), RED),
    ]


def tool_copy():
    return copy_files()


def tool_paste():
    return [
        (rect(4, 5, 24, 29, 2), DARK_GREY),
        (rect(5, 6, 23, 28, 1.5), AMBER),
        (rect(9, 3, 19, 9, 1.5), GREY),
    ] + page(13, 12, 29, 30) + text_lines(16, 24, (20, 24))


def tool_icon_view():
    shapes = []
    for x in (3, 18):
        for y in (3, 18):
            shapes += [(rect(x, y, x + 11, y + 11, 1.5), BLUE), (rect(x + 2.5, y + 2.5, x + 8.5,
                                                                        y + 8.5, 1), SKY)]
    return shapes


def tool_list_view():
    shapes = []
    for y in (5, 13, 21):
        shapes += [(rect(3, y, 9, y + 6, 1), BLUE), (segment(12, y + 3, 29, y + 3, 2.2), INK)]
    return shapes


def tool_text_view():
    return page(5, 2, 27, 30) + text_lines(9, 23, (9, 13, 17, 21, 25), 1.6, INK)


def tool_menu():
    return menu_show()


# The tool-bar buttons, numbered from 100 in the resource script in this order.
TOOLS = [
    ("tool_new", tool_new),
    ("tool_open", tool_open),
    ("tool_save", tool_save),
    ("tool_run", tool_run),
    ("tool_cut", tool_cut),
    ("tool_copy", tool_copy),
    ("tool_paste", tool_paste),
    ("tool_iconview", tool_icon_view),
    ("tool_listview", tool_list_view),
    ("tool_textview", tool_text_view),
    ("tool_menu", tool_menu),
]


def main():
    if len(sys.argv) != 2:
        sys.exit("usage: make_editor_icons.py OUTPUT_FOLDER")
    folder = sys.argv[1]
    os.makedirs(folder, exist_ok=True)
    pictures = [(name.lower() + ".ico", draw) for name, draw in TABLE] + [
        (name + ".ico", draw) for name, draw in TOOLS]
    for name, draw in pictures:
        path = os.path.join(folder, name)
        temp = path + ".tmp"
        with open(temp, "wb") as f:
            f.write(ico_bytes(draw()))
        os.replace(temp, path)


if __name__ == "__main__":
    main()
