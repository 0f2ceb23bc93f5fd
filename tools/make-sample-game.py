#!/usr/bin/env python3
"""Writes examples/riverside-at-hillcrest.log, a whole simulated game between the
Riverside Otters and Hillcrest, and prints as JSON the figures a dump of it must
show.

The figures are tallied from the events as they are generated, never by reading
the text back, so that they are an independent check on the log reader. The seed
is fixed: running the script again writes the same bytes and prints the same JSON.

    python3 tools/make-sample-game.py [--output FILE] > expected.json

Other seeds and club names make other games, for a season of logs to try a Play DB
with; only the fixed seed is checked to hold every kind of play:

    python3 tools/make-sample-game.py --seed 5 --away Comets --home Rams --output g.log
"""

import argparse
import json
import random
import sys
import textwrap
from pathlib import Path

SEED = 87
AWAY = "Riverside Otters"
HOME = "Hillcrest"
QUARTER_WORDS = ["first", "second", "third", "fourth"]
DOWN_WORDS = ["First", "Second", "Third", "Fourth"]

# Every player counter of the dump, in its order.
COUNTERS = [
    "touchdowns", "fumbles", "fumbleRecoveries", "tackles", "passAttempts",
    "completions", "interceptionsThrown", "passTouchdowns", "passYards",
    "rushAttempts", "rushYards", "rushTouchdowns", "receptions", "receivingYards",
    "receivingTouchdowns", "sacks", "interceptions", "interceptionYards",
    "kickReturns", "kickReturnYards", "kickReturnTouchdowns", "puntReturns",
    "puntReturnYards", "puntReturnTouchdowns", "kicksBlocked", "knockdowns",
    "kickoffs", "kickoffTouchbacks", "punts", "puntGrossYards", "puntNetYards",
    "puntTouchbacks", "puntsBlocked", "fieldGoalsMade", "fieldGoalAttempts",
    "longestFieldGoal", "fieldGoalsBlocked", "extraPointsMade",
    "extraPointAttempts", "extraPointsBlocked",
]

RUN, PASS, KICK, DEFENSE = 0, 1, 2, 3

# Play-book numbers shown in the play-call sentences.
PLAY_NUMBERS = {
    "Deep Kick": 3, "Squib Kick": 4, "Goal Line": 5, "Return Middle": 7,
    "Return Left": 8, "Blitz": 9, "Zone Blitz": 10, "Nickel": 11, "Dime": 12,
    "4-3 Base": 1, "Cover 2": 14, "Dive Right": 12, "Counter": 13,
    "Toss Left": 15, "Sweep Right": 16, "QB Keeper": 17, "Victory": 19,
    "Slant": 21, "Curl": 22, "Out": 23, "Screen": 24, "Fade": 25, "Seam": 26,
    "Deep Post": 30, "Punt": 40, "Punt Return": 41, "Extra Point": 50,
    "Kick Block": 51, "Field Goal": 60, "Field Goal Block": 61,
}
RUN_CALLS = ["Dive Right", "Counter", "Toss Left", "Sweep Right"]
SHORT_PASS_CALLS = ["Slant", "Curl", "Out", "Screen"]
LONG_PASS_CALLS = ["Fade", "Seam", "Deep Post"]
DEFENSE_CALLS = ["4-3 Base", "Nickel", "Dime", "Cover 2", "Blitz", "Zone Blitz"]

# (position, number, name); the names are unique across both clubs, because the
# reader tells players apart by name alone.
ROSTERS = {
    AWAY: {
        "offense": [("QB", 7, "L\u00e9on Brandt"), ("HB", 22, "Dario Vance"),
                    ("HB", 30, "Cal Ruddock"), ("WR", 81, "Tom St. Clair"),
                    ("WR", 84, "Bj\u00f8rn Halvorsen"), ("TE", 88, "Ivo Sand"),
                    ("LT", 71, "Pat Greer"), ("C", 60, "Moe Farrell"),
                    ("RT", 76, "Dean Kovac")],
        "defense": [("DE", 95, "Karl Nyberg"), ("DE", 98, "J\u00fcrgen Falk"),
                    ("DT", 92, "Roy Tembo"), ("LB", 50, "Kurt Baines"),
                    ("LB", 56, "Ned Carver"), ("CB", 21, "Otis Ferro"),
                    ("CB", 25, "Luis Prado"), ("S", 37, "Finn Marlow")],
        "others": [("K", 5, "Ray Ochoa"), ("P", 4, "Gus Lind"),
                   ("P1", 17, "Jody Pike")],
    },
    HOME: {
        "offense": [("QB", 12, "Ben Tsai"), ("HB", 32, "Marco Dunn"),
                    ("HB", 27, "Theo Banks"), ("WR", 11, "Eli Moss"),
                    ("WR", 83, "Ren\u00e9 Castel"), ("TE", 85, "Abe Lindqvist"),
                    ("LT", 74, "Gil Roper"), ("C", 62, "Sid Haskins"),
                    ("RT", 78, "Olaf Brun")],
        "defense": [("DE", 97, "Nate Brooks"), ("DE", 94, "Lars S\u00f8rli"),
                    ("DT", 91, "Ike Parra"), ("LB", 54, "Sam Okafor"),
                    ("LB", 58, "Vic Amaro"), ("CB", 24, "Rory Hale"),
                    ("CB", 20, "Kenji Ota"), ("S", 29, "Wes Varga")],
        "others": [("K", 3, "Abel Moreau"), ("P", 8, "Hal Witt"),
                   ("P1", 19, "Dex Moran")],
    },
}


class Player:
    def __init__(self, club, position, number, name):
        self.club, self.position, self.number, self.name = club, position, number, name

    def full(self):
        return f"{self.club}'s {self.position} #{self.number} {self.name}"

    def bare(self):
        return f"{self.position} #{self.number} {self.name}"


class Club:
    def __init__(self, name):
        self.name = name
        units = ROSTERS[name]
        self.units = {unit: [Player(name, *entry) for entry in units[unit]] for unit in units}
        self.by_position = {}
        for unit in self.units.values():
            for p in unit:
                self.by_position.setdefault(p.position, []).append(p)
        self.qb = self.by_position["QB"][0]
        self.backs = self.by_position["HB"]
        self.receivers = self.by_position["WR"] + self.by_position["TE"] + self.backs
        self.rushers = self.by_position["DE"] + self.by_position["DT"] + self.by_position["LB"]
        self.secondary = self.by_position["CB"] + self.by_position["S"]
        self.coverage = self.by_position["LB"] + self.by_position["S"]
        self.kicker = self.by_position["K"][0]
        self.punter = self.by_position["P"][0]
        self.kick_returner = self.backs[0]
        self.punt_returner = self.by_position["WR"][1 if name == AWAY else 0]

    def lineup(self):
        def refs(unit):
            return ", ".join(p.bare() for p in self.units[unit])
        return (f"{self.name} starting lineup\x05Offense: {refs('offense')}"
                f"\x05Defense: {refs('defense')}. Others: {refs('others')}")


def other(club):
    return HOME if club == AWAY else AWAY


def bucket(to_go):
    if to_go < 2:
        return 0
    if to_go <= 5:
        return 1
    if to_go <= 10:
        return 2
    return 3


class Tally:
    """The figures the reader should arrive at, kept as each play is made up."""

    def __init__(self):
        self.players = {}
        self.team_totals = {}
        self.play_calls = {}

    def mention(self, player):
        if player.name not in self.players:
            record = {"name": player.name, "team": player.club,
                      "position": player.position, "number": player.number}
            record.update({counter: 0 for counter in COUNTERS})
            self.players[player.name] = record
        return self.players[player.name]

    def credit(self, player, **amounts):
        record = self.mention(player)
        for counter, amount in amounts.items():
            record[counter] += amount

    def field_goal(self, kicker, distance, good):
        record = self.mention(kicker)
        record["fieldGoalAttempts"] += 1
        if good:
            record["fieldGoalsMade"] += 1
            record["longestFieldGoal"] = max(record["longestFieldGoal"], distance)

    def club(self, name):
        return self.team_totals.setdefault(
            name, [[[0, 0] for _ in range(4)] for _ in range(4)])

    def count_play(self, offense, down, to_go, kind):
        totals = self.club(offense)
        if down > 0:
            totals[down - 1][bucket(to_go)][kind] += 1

    def call(self, club, play, kind, yards=0):
        key = f"{club}|{play}|{kind}"
        record = self.play_calls.setdefault(
            key, {"key": key, "team": club, "play": play, "kind": kind, "calls": 0, "yards": 0})
        record["calls"] += 1
        record["yards"] += yards


class Game:
    def __init__(self, seed):
        self.rng = random.Random(seed)
        self.clubs = {AWAY: Club(AWAY), HOME: Club(HOME)}
        self.tally = Tally()
        self.paragraphs = []
        self.score = {AWAY: 0, HOME: 0}
        self.quarter, self.clock = 1, 900
        self.offense, self.ball, self.down, self.to_go, self.goal = AWAY, 35, 0, 0, False
        self.shown_down, self.shown_to_go = 0, 0
        self.next = ("kickoff", AWAY, 35)
        self.seen = set()          # kinds of play made so far
        self.plays = 0
        self.plays_by_offense = {AWAY: 0, HOME: 0}
        self.extra_points = 0
        self.pinned = False        # a punt left the receiver at his 3 yard line
        self.drive = None          # (club, start ball, plays, start clock)

    # ---- text --------------------------------------------------------------

    def paragraph(self, text, indent=""):
        self.paragraphs.append(textwrap.fill(
            text, width=70, initial_indent=indent, break_long_words=False,
            break_on_hyphens=False))

    def ball_on(self):
        if self.ball < 50:
            return f"their {self.ball} yard line"
        if self.ball == 50:
            return "the 50 yard line"
        return f"{other(self.offense)}'s {100 - self.ball} yard line"

    def score_text(self):
        # The leader is named first, a tie lists the visitors first.
        order = [HOME, AWAY] if self.score[HOME] > self.score[AWAY] else [AWAY, HOME]
        return ", ".join(f"{club} {self.score[club]}" for club in order)

    def down_text(self):
        word = DOWN_WORDS[self.down - 1]
        if self.goal and self.down == 1:
            return f"{word} and goal", 100 - self.ball
        to_go = self.to_go
        roll = self.rng.random()
        if self.down > 1 and 2 <= to_go <= 15 and roll < 0.10:
            return f"{word} and just over {to_go}", to_go
        if to_go == 1 and roll > 0.5:
            self.seen.add("less than 2")
            return f"{word} and less than 2", 2    # read as two to go
        if to_go == 1:
            self.seen.add("1 to go")
        return f"{word} and {to_go}", to_go

    def situation(self, middle=None):
        """The paragraph before a play; a kick-off or extra point has no down."""
        if middle is None:
            if self.ball == 50:
                self.seen.add("midfield")
            middle, self.shown_to_go = self.down_text()
            self.shown_down = self.down
        else:
            self.shown_down, self.shown_to_go = 0, 0
        minutes, seconds = divmod(self.clock, 60)
        self.paragraph(
            f"{self.offense}'s ball on {self.ball_on()}. {middle}. There are "
            f"{minutes}:{seconds:02d} left in the {QUARTER_WORDS[self.quarter - 1]} quarter. "
            f"The score is {self.score_text()}. {self.offense} has possession.")

    def play(self, text, kind, offense_call, defense_call, yards=0):
        """Closes a play paragraph with its play-call sentence and credits both calls."""
        offense, defense = self.offense, other(self.offense)
        self.paragraph(
            f"{text} That was {offense_call} ({PLAY_NUMBERS[offense_call]}) against "
            f"{defense}'s {defense_call} ({PLAY_NUMBERS[defense_call]}).")
        self.tally.call(offense, offense_call, kind, yards)
        self.tally.call(defense, defense_call, DEFENSE)
        if kind in (RUN, PASS):
            self.tally.count_play(offense, self.shown_down, self.shown_to_go, kind)
        self.plays += 1
        self.plays_by_offense[offense] += 1
        if self.drive is not None:
            self.drive[2] += 1

    def gain(self, yards, fancy=True):
        """The yardage phrase for a gain and the yards the reader credits for it."""
        if yards in (0, 1):
            return "a short gain", 0
        if yards == -1:
            return "a short loss", 0
        if yards < 0:
            return f"a loss of {-yards} yards", yards
        roll = self.rng.random() if fancy else 0.5
        if yards >= 3 and roll < 0.08:
            return f"a gain of almost {yards} yards", yards
        if roll > 0.92:
            return f"a gain of just over {yards} yards", yards
        return f"a gain of {yards} yards", yards

    def spot_text(self, receiver, spot):
        if spot < 50:
            return f"the {receiver} {spot} yard line"
        if spot == 50:
            return "the 50 yard line"
        return f"the {other(receiver)} {100 - spot} yard line"

    # ---- game flow ---------------------------------------------------------

    def start_drive(self):
        self.drive = [self.offense, self.ball, 0, self.clock, self.quarter]

    def drive_summary(self, end_ball):
        if self.drive is None:
            return
        club, start, plays, clock, quarter = self.drive
        elapsed = clock - self.clock + (self.quarter - quarter) * 900
        self.paragraph(f"Drive summary: {club}, {plays} play{'' if plays == 1 else 's'}, "
                       f"{end_ball - start} yards, "
                       f"{elapsed // 60}:{elapsed % 60:02d}.", indent="   ")
        self.drive = None

    def new_series(self, club, ball):
        self.offense, self.ball, self.down = club, ball, 1
        self.goal = ball >= 90
        self.to_go = 100 - ball if self.goal else 10
        self.next = ("scrimmage",)
        self.start_drive()

    def touchdown(self, club):
        self.score[club] += 6
        self.offense, self.ball = club, 97
        self.next = ("xp",)

    def safety(self):
        defense = other(self.offense)
        self.score[defense] += 2
        self.drive = None
        self.next = ("kickoff", self.offense, 20)

    def move(self, yards):
        """Moves the ball after a play that kept possession short of either goal."""
        self.ball += yards
        if yards >= self.to_go:
            self.down = 1
            self.goal = self.ball >= 90
            self.to_go = 100 - self.ball if self.goal else 10
            return
        self.down += 1
        self.to_go = 100 - self.ball if self.goal else self.to_go - yards
        if self.down > 4:
            self.seen.add("turnover on downs")
            self.drive = None
            self.new_series(other(self.offense), 100 - self.ball)

    def tick(self, low, high):
        self.clock = max(0, self.clock - self.rng.randint(low, high))

    # ---- kicks -------------------------------------------------------------

    def kickoff(self, kicking, spot):
        self.offense, self.ball = kicking, spot
        self.situation(f"{kicking} will kick off")
        club, receiving = self.clubs[kicking], self.clubs[other(kicking)]
        kicker = club.kicker
        self.tally.credit(kicker, kickoffs=1)
        # Where the receiver fields it, in his own yards (0 is his goal line).
        caught = 65 - self.rng.randint(58, 72) if spot == 35 else self.rng.randint(20, 32)
        returner = receiving.kick_returner
        if self.quarter >= 3 and "kickoff return touchdown" not in self.seen:
            length = 100 - max(caught, 0)
            self.tally.credit(returner, kickReturns=1, kickReturnYards=length,
                              kickReturnTouchdowns=1, touchdowns=1)
            self.play(f"{kicker.full()} kicks off to {returner.full()}. "
                      f"{returner.name} returns the kick for {length} yards. "
                      f"Touchdown, {receiving.name}!", KICK, "Deep Kick", "Return Left")
            self.seen.add("kickoff return touchdown")
            self.tick(10, 14)
            self.touchdown(receiving.name)
            return
        if caught <= 0 and self.rng.random() < 0.6:
            returner = receiving.punt_returner
            self.tally.credit(kicker, kickoffTouchbacks=1)
            self.tally.credit(returner, kickReturns=1)
            self.play(f"{kicker.full()} kicks off to {returner.full()}. "
                      f"{returner.name} downs the ball in the end zone.",
                      KICK, "Deep Kick", "Return Middle")
            self.seen.add("kickoff touchback")
            self.tick(0, 0)    # a touchback takes no time off the clock
            self.new_series(receiving.name, 20)
            return
        length = self.rng.randint(16, 34) if self.rng.random() < 0.9 else self.rng.randint(35, 48)
        length = max(length, 1 - caught)
        tackler = self.rng.choice(club.coverage)
        self.tally.credit(returner, kickReturns=1, kickReturnYards=length)
        self.tally.mention(tackler)    # a coverage tackle counts nothing
        self.play(f"{kicker.full()} kicks off to {returner.full()}. "
                  f"{returner.name} returns the kick for {length} yards. "
                  f"{returner.name} is tackled by {tackler.full()}.",
                  KICK, self.rng.choice(["Deep Kick", "Deep Kick", "Squib Kick"]),
                  self.rng.choice(["Return Middle", "Return Left"]))
        self.seen.add("kickoff return")
        self.tick(5, 9)
        self.new_series(receiving.name, caught + length)

    def extra_point(self):
        self.situation(f"{self.offense} will try the extra point")
        kicker = self.clubs[self.offense].kicker
        self.extra_points += 1
        good = self.extra_points != 3    # one miss in the game
        self.tally.credit(kicker, extraPointAttempts=1, extraPointsMade=int(good))
        self.play(f"{kicker.full()} kicks for the extra point. "
                  f"The kick is {'good' if good else 'wide right'}.",
                  KICK, "Extra Point", "Kick Block")
        self.seen.add("extra point" if good else "missed extra point")
        if good:
            self.score[self.offense] += 1
        self.next = ("kickoff", self.offense, 35)

    def punt(self):
        club, receiving = self.clubs[self.offense], self.clubs[other(self.offense)]
        punter, returner = club.punter, receiving.punt_returner
        gross = min(self.rng.randint(36, 52), 95 - self.ball)    # no touchbacks
        # Once in the second half a punt pins the receiver at his 3, for a safety.
        pin = (not self.pinned and self.quarter >= 3 and "safety" not in self.seen
               and 36 <= 97 - self.ball <= 55)
        if pin:
            gross = 97 - self.ball
        landed = 100 - (self.ball + gross)     # in the receiver's yards
        if pin or self.rng.random() < 0.35:
            self.tally.credit(punter, punts=1, puntGrossYards=gross, puntNetYards=gross)
            self.tally.credit(returner, puntReturns=1)
            self.play(f"{punter.full()} punts {gross} yards to {returner.full()}. "
                      f"{returner.name} calls for the fair catch. The ball is spotted at "
                      f"{self.spot_text(receiving.name, landed)}.",
                      KICK, "Punt", "Punt Return", gross)
            self.seen.add("punt fair catch")
            self.pinned = pin
            back = 0
        else:
            back = self.rng.randint(2, 14)
            tackler = self.rng.choice(club.coverage)
            self.tally.credit(punter, punts=1, puntGrossYards=gross, puntNetYards=gross - back)
            self.tally.credit(returner, puntReturns=1, puntReturnYards=back)
            self.tally.mention(tackler)
            self.play(f"{punter.full()} punts {gross} yards to {returner.full()}. "
                      f"{returner.name} returns the kick for {back} yards. Net punt yardage "
                      f"was {gross - back} yards. {returner.name} is tackled by "
                      f"{tackler.full()}.", KICK, "Punt", "Punt Return", gross - back)
            self.seen.add("punt return")
        self.tick(8, 12)
        self.drive = None
        self.new_series(receiving.name, landed + back)

    def field_goal(self):
        kicker = self.clubs[self.offense].kicker
        distance = 100 - self.ball + 17
        chance = 0.95 if distance <= 35 else 0.8 if distance <= 45 else 0.55
        good = self.rng.random() < chance
        self.tally.field_goal(kicker, distance, good)
        self.play(f"{kicker.full()} attempts a {distance} yard field goal. "
                  f"The kick is {'good' if good else 'wide right'}.",
                  KICK, "Field Goal", "Field Goal Block")
        self.tick(4, 6)
        if good:
            self.seen.add("field goal")
            self.score[self.offense] += 3
            self.drive_summary(self.ball)
            self.next = ("kickoff", self.offense, 35)
        else:
            self.seen.add("missed field goal")
            self.drive = None
            self.new_series(other(self.offense), max(20, 100 - (self.ball - 7)))

    # ---- scrimmage ---------------------------------------------------------

    def defense_call(self):
        if self.ball >= 95:
            return "Goal Line"
        return self.rng.choice(DEFENSE_CALLS)

    def scrimmage(self):
        self.situation()
        offense = self.offense
        leading = self.score[offense] > self.score[other(offense)]
        if self.down == 4:
            if self.ball >= 62:
                return self.field_goal()
            if self.to_go <= 2 and self.ball >= 40:
                self.seen.add("fourth-down run")
                return self.run()
            return self.punt()
        if self.down <= 3 and ((self.quarter == 2 and self.clock <= 40)
                               or (self.quarter == 4 and self.clock <= 120 and leading)):
            return self.kneel()
        if self.pinned and self.ball <= 5:
            self.pinned = False
            return self.run(forced="safety")
        if (self.quarter == 2 and self.down == 2 and self.ball > 30
                and "called back" not in self.seen):
            return self.called_back()
        if self.quarter >= 2 and self.down == 1 and 30 <= self.ball <= 70 \
                and "fumble" not in self.seen:
            return self.run(forced="fumble")
        pass_share = 0.75 if (self.down == 3 and self.to_go > 4) else 0.5
        if self.rng.random() < pass_share:
            return self.pass_play()
        return self.run()

    def run(self, forced=None):
        club, defense = self.clubs[self.offense], self.clubs[other(self.offense)]
        roll = self.rng.random()
        if forced == "safety":
            yards = -(self.ball + self.rng.randint(1, 3))
        elif roll < 0.06:
            yards = self.rng.randint(12, 35)
        else:
            yards = self.rng.randint(-3, 8)
        yards = max(min(yards, 100 - self.ball), -self.ball if forced == "safety" else 1 - self.ball)
        call = self.rng.choice(RUN_CALLS)
        style = self.rng.random()
        runner = club.backs[0] if self.rng.random() < 0.7 else club.backs[1]
        if forced == "safety":
            style = 0.5
        if style < 0.12 and forced is None:
            runner, call = club.qb, "QB Keeper"
            opening = f"{club.qb.full()} keeps the ball and runs for "
            self.seen.add("keeper")
        elif style < 0.55:
            self.tally.mention(club.qb)    # a hand-off credits the quarterback nothing
            opening = f"{club.qb.full()} gives to {runner.bare()}. {runner.name} runs for "
            self.seen.add("hand-off")
        else:
            opening = f"{runner.full()} runs for "
            self.seen.add("run")
        if forced == "fumble":
            return self.fumble(runner, opening, call)
        phrase, credited = self.gain(yards)
        self.tally.credit(runner, rushAttempts=1, rushYards=credited)
        text = f"{opening}{phrase}."
        if self.ball + yards >= 100:
            self.tally.credit(runner, touchdowns=1, rushTouchdowns=1)
            self.play(f"{text} Touchdown, {self.offense}!", RUN, call,
                      self.defense_call(), credited)
            self.seen.add("rushing touchdown")
            self.tick(6, 12)
            self.drive_summary(100)
            self.touchdown(self.offense)
        elif self.ball + yards <= 0:
            self.play(f"{text} Safety, {defense.name}!", RUN, call, self.defense_call(),
                      credited)
            self.seen.add("safety")
            self.tick(6, 12)
            self.safety()
        else:
            tackler = self.rng.choice(defense.rushers + defense.secondary[-1:])
            self.tally.credit(tackler, tackles=1)
            self.play(f"{text} {runner.name} is tackled by {tackler.full()}.", RUN, call,
                      self.defense_call(), credited)
            self.tick(24, 42)
            self.move(yards)

    def fumble(self, runner, opening, call):
        club, defense = self.clubs[self.offense], self.clubs[other(self.offense)]
        yards = self.rng.randint(2, 6)
        phrase, credited = self.gain(yards, fancy=False)
        recoverer = self.rng.choice(defense.rushers)
        spot = 100 - (self.ball + yards)          # in the recovering club's yards
        back = min(self.rng.randint(2, 12), 99 - spot)
        back_phrase, back_credited = self.gain(back, fancy=False)
        tackler = self.rng.choice(club.receivers[:3])
        self.tally.credit(runner, rushAttempts=1, rushYards=credited, fumbles=1)
        self.tally.credit(recoverer, fumbleRecoveries=1, rushYards=back_credited)
        self.tally.credit(tackler, tackles=1)
        self.play(f"{opening}{phrase} and fumbles the ball. The ball is recovered by "
                  f"{recoverer.full()}. {recoverer.name} runs for {back_phrase}. "
                  f"{recoverer.name} is tackled by {tackler.full()}.",
                  RUN, call, self.defense_call(), credited)
        self.seen.add("fumble")
        self.tick(10, 20)
        self.drive = None
        self.new_series(defense.name, spot + back)

    def kneel(self):
        qb = self.clubs[self.offense].qb
        self.tally.mention(qb)
        self.play(f"{qb.full()} downs the ball.", RUN, "Victory", "4-3 Base")
        self.seen.add("kneel")
        self.tick(38, 42)
        if self.ball > 1:
            self.move(-1)

    def called_back(self):
        club = self.clubs[self.offense]
        # Both players are named in earlier plays, so this paragraph is never the one
        # that decides their club.
        qb = club.qb
        receiver = next(p for p in club.receivers if p.name in self.tally.players)
        assert qb.name in self.tally.players
        self.paragraph(f"The pass from {qb.full()} is caught by {receiver.bare()} for a gain "
                       f"of 20 yards. The play is called back for holding. That was "
                       f"Seam ({PLAY_NUMBERS['Seam']}) against {other(self.offense)}'s "
                       f"Dime ({PLAY_NUMBERS['Dime']}).")
        self.seen.add("called back")
        self.tick(8, 12)
        self.ball -= 10
        self.to_go += 10
        self.goal = False

    def pass_play(self):
        club, defense = self.clubs[self.offense], self.clubs[other(self.offense)]
        qb = club.qb
        deep = self.to_go > 8 and self.rng.random() < 0.5
        call = self.rng.choice(LONG_PASS_CALLS if deep else SHORT_PASS_CALLS)
        dcall = self.defense_call()
        roll = self.rng.random()
        force_pick_six = self.quarter >= 3 and "interception touchdown" not in self.seen
        if force_pick_six or roll < 0.04:
            return self.interception(qb, call, dcall, force_pick_six)
        if roll < 0.11:
            rusher = self.rng.choice(defense.rushers)
            loss = self.rng.randint(2, 9)
            self.tally.credit(qb, sacks=1)
            self.tally.credit(rusher, sacks=1)
            text = f"{qb.full()} is sacked by {rusher.full()} for a loss of {loss} yards."
            self.seen.add("sack")
            if self.ball - loss <= 0:
                self.play(f"{text} Safety, {defense.name}!", PASS, call, dcall)
                self.seen.add("safety")
                self.tick(6, 10)
                return self.safety()
            self.play(text, PASS, call, dcall)
            self.tick(28, 40)
            return self.move(-loss)
        if roll < 0.17:
            blocker = self.rng.choice(defense.secondary)
            self.tally.credit(qb, passAttempts=1)
            self.tally.credit(blocker, knockdowns=1)
            self.play(f"The pass from {qb.full()} was knocked down by {blocker.full()}.",
                      PASS, call, dcall)
            self.seen.add("knocked down")
            self.tick(6, 10)
            return self.move(0)
        if roll < 0.35:
            self.tally.credit(qb, passAttempts=1)
            self.play(f"The pass from {qb.full()} was incomplete.", PASS, call, dcall)
            self.seen.add("incomplete")
            self.tick(6, 10)
            return self.move(0)
        receiver = self.rng.choice(club.receivers)
        if deep:
            yards = self.rng.randint(15, 48)
        else:
            yards = self.rng.randint(-2, 14)
        yards = max(min(yards, 100 - self.ball), 1 - self.ball)
        phrase, credited = self.gain(yards)
        self.tally.credit(qb, passAttempts=1, completions=1, passYards=credited)
        self.tally.credit(receiver, receptions=1, receivingYards=credited)
        text = f"The pass from {qb.full()} is caught by {receiver.bare()} for {phrase}."
        if self.ball + yards >= 100:
            self.tally.credit(qb, passTouchdowns=1)
            self.tally.credit(receiver, touchdowns=1, receivingTouchdowns=1)
            self.play(f"{text} Touchdown, {self.offense}!", PASS, call, dcall, credited)
            self.seen.add("passing touchdown")
            self.tick(6, 12)
            self.drive_summary(100)
            return self.touchdown(self.offense)
        tackler = self.rng.choice(defense.secondary + defense.coverage)
        self.tally.credit(tackler, tackles=1)
        self.play(f"{text} {receiver.name} is tackled by {tackler.full()}.",
                  PASS, call, dcall, credited)
        self.seen.add("completion")
        self.tick(24, 40)
        self.move(yards)

    def interception(self, qb, call, dcall, pick_six):
        club, defense = self.clubs[self.offense], self.clubs[other(self.offense)]
        picker = self.rng.choice(defense.secondary)
        air = min(self.rng.randint(8, 25), 99 - self.ball)
        spot = 100 - (self.ball + air)      # in the intercepting club's yards
        back = 100 - spot if pick_six else min(self.rng.randint(2, 20), 99 - spot)
        self.tally.credit(qb, passAttempts=1, interceptionsThrown=1)
        self.tally.credit(picker, interceptions=1, interceptionYards=back)
        text = (f"The pass from {qb.full()} is intercepted by {picker.full()} and returned "
                f"for a gain of {back} yards.")
        self.drive = None
        if pick_six:
            self.tally.credit(picker, touchdowns=1)
            self.play(f"{text} Touchdown, {defense.name}!", PASS, call, dcall)
            self.seen.add("interception touchdown")
            self.tick(8, 14)
            return self.touchdown(defense.name)
        tackler = self.rng.choice(club.receivers[:3] + [qb])
        self.tally.credit(tackler, tackles=1)
        self.play(f"{text} {picker.name} is tackled by {tackler.full()}.", PASS, call, dcall)
        self.seen.add("interception")
        self.tick(10, 18)
        self.new_series(defense.name, spot + back)

    # ---- the whole game ----------------------------------------------------

    def run_game(self):
        self.paragraph("Turfa Football Game Log")
        self.paragraph(f"{AWAY} at {HOME}")
        self.paragraph("WEATHER: Overcast, 48 degrees, wind 11 mph from the north")
        self.paragraph("Stadium: Hillcrest Memorial Field")
        self.paragraph(self.clubs[AWAY].lineup())
        self.paragraph(self.clubs[HOME].lineup())
        for quarter in range(1, 5):
            self.quarter, self.clock = quarter, 900
            if quarter == 3:
                self.drive = None
                self.next = ("kickoff", HOME, 35)
            while self.clock > 0 or self.next[0] == "xp":
                action = self.next
                if action[0] == "kickoff":
                    self.kickoff(action[1], action[2])
                elif action[0] == "xp":
                    self.extra_point()
                else:
                    self.scrimmage()
            if quarter == 2:
                self.paragraph("End of the first half.")
            elif quarter < 4:
                self.paragraph(f"End of the {QUARTER_WORDS[quarter - 1]} quarter.")
        self.paragraph(f"End of game. Final: {self.score_text()}.")

    def check(self):
        wanted = {"run", "hand-off", "keeper", "fumble", "rushing touchdown", "kneel",
                  "completion", "incomplete", "knocked down", "interception",
                  "interception touchdown", "passing touchdown", "sack", "safety",
                  "kickoff return", "kickoff touchback", "kickoff return touchdown",
                  "punt return", "punt fair catch", "field goal", "missed field goal",
                  "extra point", "missed extra point", "called back", "1 to go",
                  "less than 2", "midfield", "fourth-down run"}
        missing = wanted - self.seen
        if missing and self.checked:
            sys.exit(f"make-sample-game: seed {SEED} leaves out: {', '.join(sorted(missing))}")
        if self.checked and (self.plays < 150 or min(self.plays_by_offense.values()) < 50):
            sys.exit(f"make-sample-game: only {self.plays} plays ({self.plays_by_offense})")

    def expected(self):
        order = list(self.tally.team_totals)
        for club in (AWAY, HOME):
            self.tally.club(club)
            if club not in order:
                order.append(club)
        return {
            "statementCount": len(self.paragraphs),
            "team1Name": order[0],
            "team2Name": order[1],
            "plays": self.plays,
            "finalScore": dict(self.score),
            "teamTotals": [{"name": c, "counts": self.tally.team_totals[c]} for c in order],
            "players": list(self.tally.players.values()),
            "playCalls": [self.tally.play_calls[k] for k in sorted(self.tally.play_calls)],
        }

    def log_bytes(self):
        return ("\n\n".join(self.paragraphs) + "\n\n").encode("latin-1")


FIRST_NAMES = ["Al", "Ben", "Cal", "Dario", "Eli", "Finn", "Gus", "Hal", "Ike", "Jody",
               "Karl", "L\u00e9on", "Moe", "Ned", "Otis", "Pat", "Ray", "Sam", "Theo",
               "Vic", "Wes", "Abe", "Bj\u00f8rn", "Dex", "Gil", "Kenji", "Lars", "Olaf",
               "Ren\u00e9", "Sid"]
SYLLABLES = ["bra", "dun", "fal", "gre", "hal", "kov", "lin", "mar", "ny", "or", "pra",
             "rud", "san", "tem", "var", "wit", "s\u00f8r", "j\u00fcr", "ca", "do"]


def fresh_names(club):
    """Gives a club players of its own, the same in every game of the club: a season's
    roster then grows with its clubs, as real ones do."""
    rng = random.Random("names:" + club)
    taken = set()
    for group in ROSTERS[club].values():
        for i, (position, number, _) in enumerate(group):
            while True:
                last = "".join(rng.choice(SYLLABLES) for _ in range(3)).capitalize()
                name = f"{rng.choice(FIRST_NAMES)} {last}"
                if name not in taken:
                    break
            taken.add(name)
            group[i] = (position, number, name)


def rename_clubs(away, home):
    """Gives the two clubs, their rosters with them, other names."""
    global AWAY, HOME
    rosters = {away: ROSTERS[AWAY], home: ROSTERS[HOME]}
    ROSTERS.clear()
    ROSTERS.update(rosters)
    AWAY, HOME = away, home


def main():
    root = Path(__file__).resolve().parent.parent
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--output", type=Path,
                        default=root / "examples" / "riverside-at-hillcrest.log")
    parser.add_argument("--seed", type=int, default=SEED)
    parser.add_argument("--away", default=AWAY, help="the visiting club's name")
    parser.add_argument("--home", default=HOME, help="the home club's name")
    parser.add_argument("--fresh-names", action="store_true",
                        help="players of each club's own, made from its name")
    parser.add_argument("--crlf", action="store_true", help="end lines with CR LF")
    args = parser.parse_args()
    rename_clubs(args.away, args.home)
    if args.fresh_names:
        fresh_names(AWAY)
        fresh_names(HOME)
    game = Game(args.seed)
    game.checked = args.seed == SEED
    # The kicking club holds the ball in the first situation, so it leads the totals.
    game.tally.club(AWAY)
    game.run_game()
    game.check()
    data = game.log_bytes()
    if args.crlf:
        data = data.replace(b"\n", b"\r\n")
    args.output.write_bytes(data)
    json.dump(game.expected(), sys.stdout, indent=2)
    sys.stdout.write("\n")


if __name__ == "__main__":
    main()
