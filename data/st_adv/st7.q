# The Long Journeys of Migrating Birds

Which of these does the text mention in its opening paragraph?
- a godwit flying a week without a stop
+ seabirds looping across whole oceans
- storks riding warm rising air
- caged birds growing restless before departure

Which of these topics does the text take up first?
- why birds leave the far north
- how far some species travel
+ how people learned where birds go
- how birds find their way

Which advantages of the far north in summer does the text list?
- long days, plenty of insects and few predators
+ long days, plenty of insects and few competitors
- mild nights, plenty of seeds and few competitors
- long days, plenty of seeds and few predators

What does the text turn to right after explaining why birds migrate?
- how birds use the sun and stars
- why small songbirds fly at night
- how young birds learn their routes
+ how far some species fly

Which of these does the paragraph about flying by night and by day end with?
+ geese and pelicans flying in V formations
- a godwit flying nonstop to New Zealand
- night migrants steering by the stars
- an Arctic tern chasing the southern summer

Which cue does the text NOT mention as a help to navigating birds?
- the stars
- smells
+ polarized light
- coastlines

Which of these birds does the text NOT mention?
- pelicans
- cranes
- eagles
+ swifts

Besides the dangers of the journey, what does the text's last paragraph discuss?
+ young birds making their first trip alone
- birds shedding weight before they leave
- birds using several separate compasses
- birds storing fat to burn as fuel
