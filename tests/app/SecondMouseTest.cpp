namespace tandrel::test {
TEST_F(TSecondMouseTest, ProbeRealRawInput)
{
    SetMiceSource([] {
        std::vector<TMouseDevice> v {{kFirst, "first"}};
        for (TDeviceHandle h = 1; h < 8; ++h)
            v.push_back({h, "dev" + std::to_string(h)});
        for (auto& d : SystemMice()) { printf("system mouse %llx %s\n", (unsigned long long)d.Handle, d.Name.c_str()); v.push_back(d); }
        return v;
    });
    ClickInstall();
    MoveMouseTo({900, 900});
    MoveMouseTo({950, 920});
    PumpUntil([] { return MouseBinding->Mouse().Bound(); }, 3000);
    printf("bound %llx %s\n", (unsigned long long)MouseBinding->Mouse().BoundDevice(), MouseBinding->Mouse().BoundName().c_str());
}
}
