"""The game as a screen reader sees it, on the desktop's accessibility bus (AT-SPI).

Run by screen-reader-test inside its own X display and D-Bus session, with the game started on a
prepared career that has an event entered. Finds the controls by their names and presses them
through the accessibility action, as a blind player's screen reader would, and checks that the
hand of the table is read as named cards and the round's board as a table with its column headers.
Prints what it read.
"""

import re
import sys
import time

import pyatspi

CARD = re.compile(
    r"^(Asso|Re|Donna|Fante|\d{1,2}) di (picche|cuori|fiori|quadri)$"
    r"|^(Rosso|Giallo|Verde|Blu) (\d|\+2|cambia giro|salta turno)$"
    r"|^Jolly cambia colore$|^\+4$")


def game():
    deadline = time.time() + 30
    while time.time() < deadline:
        desktop = pyatspi.Registry.getDesktop(0)
        for app in desktop:
            if app is not None and app.name.lower().startswith("velmora"):
                return app
        time.sleep(0.3)
    sys.exit("the game never showed up on the accessibility bus")


def walk(node, depth=0):
    if node is None or depth > 40:
        return
    yield node
    for i in range(node.childCount):
        yield from walk(node.getChildAtIndex(i), depth + 1)


def showing(node):
    return node.getState().contains(pyatspi.STATE_SHOWING)


def find(app, name, role=pyatspi.ROLE_PUSH_BUTTON, wait=20):
    deadline = time.time() + wait
    while time.time() < deadline:
        for node in walk(app):
            if node.getRole() == role and node.name == name and showing(node):
                return node
        time.sleep(0.3)
    return None


def press(app, name):
    node = find(app, name)
    if node is None:
        sys.exit(f'no button named "{name}" is read')
    action = node.queryAction()
    names = [action.getName(i) for i in range(action.nActions)]
    if not names:
        sys.exit(f'"{name}" has no action a screen reader could run')
    action.doAction(0)
    print(f"pressed: {name}")
    time.sleep(0.8)


def main():
    app = game()
    # A new player's first steps: the career menu, then the new career form.
    press(app, "Carriera")
    press(app, "Nuova")
    if find(app, "Nuova carriera", pyatspi.ROLE_PANEL) is None and \
            find(app, "Nuova carriera", pyatspi.ROLE_GROUPING, wait=2) is None:
        sys.exit('the new career screen is not read after "Nuova"')
    print("read: the new career screen")
    press(app, "Indietro")
    # The prepared career: open it and sit at the entered event's table.
    press(app, "Carica")
    if find(app, "Gioca Torneo", wait=5) is None:
        # Several careers or backups: the first line of the list opens the career.
        lines = [n for n in walk(app) if n.getRole() == pyatspi.ROLE_PUSH_BUTTON and showing(n)
                 and ("Lettore" in n.name or "Prova" in n.name)]
        if not lines:
            sys.exit('"Carica" led to neither the dashboard nor the careers list')
        lines[0].queryAction().doAction(0)
        time.sleep(0.8)
    press(app, "Gioca Torneo")
    time.sleep(1.5)
    cards = [n.name for n in walk(app) if showing(n) and CARD.match(n.name or "")]
    hidden_backs = [n for n in walk(app) if showing(n) and n.name in ("dietro", "")
                    and n.getRole() == pyatspi.ROLE_PUSH_BUTTON]
    print("hand:", ", ".join(cards))
    if len(cards) < 10:
        sys.exit(f"only {len(cards)} cards are read as named cards at the table")
    if hidden_backs:
        sys.exit("a face-down card or a nameless button is read")
    read_board(app)
    print("ok")


def read_board(app):
    """The round's board is a table a screen reader walks by its headers and cells."""
    board = find(app, "Classifica del turno", pyatspi.ROLE_TABLE, wait=5)
    if board is None:
        sys.exit('no table named "Classifica del turno" is read')
    table = board.queryTable()
    headers = [table.getColumnHeader(k).name if table.getColumnHeader(k) else ""
               for k in range(table.nColumns)]
    print("board:", table.nRows, "rows;", " | ".join(headers))
    if "Rank: posizione nella classifica mondiale" not in headers or "Giocatore" not in headers:
        sys.exit("the board's column headers are not its long names")
    if table.nRows < 4:
        sys.exit(f"the board reads {table.nRows} rows")
    first = [table.getAccessibleAt(0, k).name for k in range(table.nColumns)]
    print("first row:", " | ".join(first))
    rank = first[headers.index("Rank: posizione nella classifica mondiale")]
    if not first[headers.index("Giocatore")] or not rank.isdigit():
        sys.exit("the board's first row holds no player and his rank")


if __name__ == "__main__":
    main()
