#!/usr/bin/python3
"""Reads an iCalendar file with an independent reader, the icalendar library
(Debian's python3-icalendar), and prints what it found as JSON for the tests:
the calendar's version, the faults the reader noted, and every event's UID,
start, stamp and texts.

usage: read_calendar.py FILE
"""
import json
import sys

import icalendar


def main():
    with open(sys.argv[1], "rb") as f:
        calendar = icalendar.Calendar.from_ical(f.read())
    events, errors = [], list(calendar.errors)
    for event in calendar.walk("VEVENT"):
        errors += event.errors
        start = event.decoded("DTSTART")
        events.append({
            "uid": str(event["UID"]),
            "start": start.isoformat(),
            "floating": start.tzinfo is None,
            "stamp": event.decoded("DTSTAMP").isoformat(),
            "summary": str(event.get("SUMMARY", "")),
            "location": str(event.get("LOCATION", "")),
            "description": str(event.get("DESCRIPTION", "")),
        })
    print(json.dumps({"version": str(calendar["VERSION"]), "errors": [str(e) for e in errors],
                      "events": events}))


if __name__ == "__main__":
    main()
