# Reads a calendar file with Debian's python3-icalendar and prints what a
# calendar program would take from it, as JSON: the time zones the file
# defines and, for each event, its UID, texts, local start and end with their
# TZID, and the UTC offsets that the file's own VTIMEZONE gives those times.
import json
import sys

from icalendar import Calendar

with open(sys.argv[1], "rb") as f:
    calendar = Calendar.from_ical(f.read())

zones = {str(z["TZID"]): z.to_tz() for z in calendar.walk("VTIMEZONE")}
events = []
for event in calendar.walk("VEVENT"):
    entry = {"uid": str(event["UID"])}
    for key in ("SUMMARY", "LOCATION", "DESCRIPTION"):
        entry[key.lower()] = str(event.get(key, ""))
    for key in ("DTSTART", "DTEND"):
        value = event[key]
        local = value.dt.replace(tzinfo=None)
        zone = value.params.get("TZID")
        entry[key.lower()] = local.isoformat()
        entry[key.lower() + "_tzid"] = zone
        entry[key.lower() + "_offset"] = str(zones[zone].localize(local).utcoffset())
    events.append(entry)
print(json.dumps({"zones": sorted(zones), "events": events}))
