#!/usr/bin/env bash
# Writes the sample season: a small invented league in the older .PZS statistics format, with
# its .PZN notes files, for new users to import and explore ("File, Import PZS" or
# "pny import examples/Riverbend.PZS").
#
# The league: 6 teams of 12 players, a double round robin of 30 games on three fields with two
# umpires a game, the first 15 games played (half a season of statistics), the rest scheduled.
# Everything is computed from a fixed seed, so running the script again gives the same bytes.
# Usage: examples/make_sample.sh [FOLDER]   (default: the folder of this script)
set -euo pipefail
out="${1:-$(dirname "$0")}"
mkdir -p "$out"
export LC_ALL=C

awk -v ORS='\r\n' '
function kv(key, value) {               # a count of 0 is left out, like an empty box
    if (value != 0) print key "=" value
}
function rnd(n) {                      # Park-Miller generator: exact in double arithmetic
    seed = (seed * 16807) % 2147483647
    return seed % n
}
BEGIN {
    seed = 777
    split("Harbor Herons|Millbrook Mudcats|Cedar Hollow Owls|Pine Ridge Rockets|Lakeside Lanterns|Foxglove Fireflies", team, "|")
    split("HERONS||OWLS|||", teamNote, "|")
    split("Ada Ben Cal Dot Eli Fay Gus Hal Ivy Jon Kit Lou Max Ned Oma Pat Quin Ray Sam Tess Uma Vic Wes Zed", first, " ")
    split("Abernathy Birchwood Calloway Dunmore Ellery Fairweather Gallant Hollis Ingram Jessop Kettering Larkin Merriweather Northcott Oakes Pellow Quarrie Rowntree Stanhope Thackery Underhill Vance Whitlock Yardley Ashgrove Brimble Cottle Drabwell Eastmoor Fenwick Goodbody Hartwell Ivers Juniper Kilbride Lowther", last, " ")
    split("20250506 20250513 20250520 20250527 20250603 20250610 20250617 20250624 20250701 20250708", night, " ")
    split("1800 1830 1900", slotTime, " ")
    split("Memorial Park|Cooper Meadow|Northside Diamond", fieldName, "|")
    split("|FIELD2|", fieldNote, "|")
    split("Walt Brennan|Rosa Delgado|Hank Osterfeld|June Pelletier|Marty Quill", umpName, "|")
    split("||||UMPIRE5", umpNote, "|")
    split("P P C 1B 2B SS 3B LF CF RF OF UT", pos, " ")
    innings = 7

    # The schedule: a circle-method round robin of 5 rounds of 3 games, then the same again
    # with home and away reversed; one round per game night, one game per field.
    g = 0
    for (half = 0; half < 2; half++)
        for (r = 0; r < 5; r++) {
            ring[0] = 1
            for (i = 1; i < 6; i++) ring[i] = 2 + (i - 1 + r) % 5
            for (s = 0; s < 3; s++) {
                a = ring[s]; b = ring[5 - s]
                if ((r + s) % 2 == half) { h = a; v = b } else { h = b; v = a }
                g++
                gHome[g] = h; gAway[g] = v
                gDate[g] = night[half * 5 + r + 1]; gTime[g] = slotTime[s + 1]; gField[g] = s + 1
                gUmp1[g] = 1 + (g + s) % 5; gUmp2[g] = 1 + (g + s + 2) % 5
            }
        }
    games = g

    # Half a season played: the first 15 games have scores; standings follow from them.
    for (g = 1; g <= 15; g++) {
        hs = rnd(11); as = rnd(10)
        if (hs == as) hs++
        gHS[g] = hs; gAS[g] = as
        h = gHome[g]; v = gAway[g]
        if (hs > as) { won[h]++; lost[v]++; winner = h; loser = v }
        else { won[v]++; lost[h]++; winner = v; loser = h }
        played[h]++; played[v]++
        # The team starting pitcher alternates between its two pitchers (players 1 and 2).
        for (k = 0; k < 2; k++) {
            t = (k == 0 ? h : v)
            p = 1 + played[t] % 2
            allowed = (t == h ? as : hs)
            pGP[t, p]++; pOuts[t, p] += 3 * innings - rnd(4)
            pRA[t, p] += allowed; pER[t, p] += allowed - (allowed > 1 ? rnd(2) : 0)
            if (t == winner) pWon[t, p]++; else pLost[t, p]++
        }
    }

    print "[Init]"; print "Last=1"
    print "[Y1]"; print "Name=2025"; print "Last=1"
    print "[Y1L1]"; print "Name=Riverbend Twilight League"; print "Inn=" innings
    print "Note=RIVERBND"; print "Last=6"

    k = 0
    for (t = 1; t <= 6; t++) {
        sec = "Y1L1T" t
        print "[" sec "]"; print "Name=" team[t]; print "No=" t
        print "Won=" (won[t] + 0); print "Lost=" (lost[t] + 0); print "Tied=0"
        if (teamNote[t] != "") print "Note=" teamNote[t]
        print "Last=12"
        delete used
        for (p = 1; p <= 12; p++) {
            name = first[(5 * k) % 24 + 1] " " last[(7 * k) % 36 + 1]
            k++
            do no = 1 + rnd(49); while (no in used)
            used[no] = 1
            G = played[t] - (p > 10 ? rnd(2) : 0)
            single = double = triple = hr = so = bb = hp = sbnt = sfly = ab = 0
            for (i = 0; i < G * 3 + rnd(3); i++) {
                x = rnd(100)
                if (x < 9) bb++
                else if (x < 10) hp++
                else if (x < 12) sbnt++
                else if (x < 14) sfly++
                else {
                    ab++
                    y = rnd(100)
                    if (y < 19) single++
                    else if (y < 24) double++
                    else if (y < 25) triple++
                    else if (y < 27) hr++
                    else if (y < 45) so++
                }
            }
            hits = single + double + triple + hr
            sb = rnd(hits + bb + 1); cs = rnd(2)
            print "[" sec "P" p "]"
            print "Name=" name; print "No=" no; kv("G", G)
            kv("AB", ab); kv("1B", single); kv("2B", double); kv("3B", triple)
            kv("HR", hr); kv("SO", so); kv("BB", bb); kv("HP", hp)
            kv("SBnt", sbnt); kv("SFly", sfly)
            kv("R", int((hits + bb) / 2) + rnd(2)); kv("RBI", hits + hr + rnd(3))
            kv("SB", sb); kv("CS", cs); kv("BO", p <= 9 ? p : 0)
            print "Pos=" pos[p]
            if (p <= 2) {
                outs = pOuts[t, p] + 0
                kv("GP", pGP[t, p]); kv("IP", int(outs / 3)); kv("3IP", outs % 3)
                kv("HA", int(pRA[t, p] * 1.2) + rnd(3)); kv("WA", 2 * pGP[t, p] + rnd(4))
                kv("HB", rnd(2)); kv("BSO", 4 * pGP[t, p] + rnd(6))
                kv("RA", pRA[t, p]); kv("ER", pER[t, p])
                kv("Won", pWon[t, p]); kv("Lost", pLost[t, p])
            }
            po = (p == 3 ? 6 * G + rnd(5) : (p == 4 ? 5 * G + rnd(4) : G + rnd(G + 1)))
            kv("PO", po); kv("A", p == 5 || p == 6 ? 2 * G + rnd(4) : rnd(G + 1))
            kv("Err", rnd(3))
            if (t == 1 && p == 3) print "Note=CATCHER"
        }
    }

    print "[Y1L1S]"; print "Last=" games
    for (g = 1; g <= games; g++) {
        print "[Y1L1G" g "]"
        print "D=" gDate[g]; print "T=" gTime[g]; print "F=F" gField[g]
        print "H=Y1L1T" gHome[g]; print "A=Y1L1T" gAway[g]
        print "U1=U" gUmp1[g]; print "U2=U" gUmp2[g]
        if (g <= 15) { print "HTS=" gHS[g]; print "ATS=" gAS[g] }
        if (g == 4) print "Note=PROTEST"
    }

    print "[Fields]"; print "Last=3"
    for (f = 1; f <= 3; f++) {
        print "[F" f "]"; print "Name=" fieldName[f]; print "No=" f
        if (fieldNote[f] != "") print "Note=" fieldNote[f]
    }
    print "[Umpires]"; print "Last=5"
    for (u = 1; u <= 5; u++) {
        print "[U" u "]"; print "Name=" umpName[u]; print "No=" u
        if (umpNote[u] != "") print "Note=" umpNote[u]
    }
}' > "$out/Riverbend.PZS"

# The notes: plain text, one file per note, named in the statistics file without ".PZN".
note() { sed 's/$/\r/' > "$out/$1.PZN"; }
note RIVERBND <<'EOF'
Riverbend Twilight League, summer 2025 (a sample league: every name is invented)
Games: Tuesday evenings, 7 innings, 6:00, 6:30 and 7:00 pm.
League statistician: Dot Ellery. Box scores by Wednesday noon, please.
Mercy rule: 10 runs after 5 innings.
EOF
note HERONS <<'EOF'
Harbor Herons
Manager: Sam Oakes. Team colours: navy and white.
Practice: Saturday mornings at Memorial Park.
EOF
note OWLS <<'EOF'
Cedar Hollow Owls
New team this season. Manager: Tess Hollis.
EOF
note CATCHER <<'EOF'
Catcher; also the team's backup pitcher.
Missed the game of June 3 (vacation).
EOF
note PROTEST <<'EOF'
Played under protest by the away team (batting out of order in the 4th).
The league upheld the result on May 30.
EOF
note FIELD2 <<'EOF'
Cooper Meadow: enter from Mill Road, park behind the left-field fence.
No metal spikes on the infield.
EOF
note UMPIRE5 <<'EOF'
Marty Quill: available Tuesdays only until the end of June.
EOF
